#pragma once
// The chart window's menu "Ansicht": the linearised chart or the chart in the data's
// own units. The choice holds for the window's life, on screen, in the export and on
// paper.

namespace tk {

class frmGrafikKurvex;

void ansichtmenueAnbringen(frmGrafikKurvex& w);

} // namespace tk
