#pragma once

class QWidget;
class TMainForm;

// Creates the strip under the task list: `panBottom` > `panBottomRight`
// holding the idle settings panel `panBottomCenter` and, in the same place,
// the progress panel `panBottomLeft`. Returns `panBottom`.
QWidget* BuildBottomStrip(TMainForm& form, QWidget* panMain);

// The resize rule: both panels take the width of `panMain`, the buttons keep
// to the right edge and the profile selector, the output path and the bars
// take the rest.
void ApplyBottomStripLayout(TMainForm& form, int mainPanelWidth);
