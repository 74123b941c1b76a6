#pragma once

class QLayout;
class QScrollArea;
class QWidget;

// Lays a window out as a body that scrolls up and down above a row of buttons that never
// scrolls away (生成报表, 关闭), so that on a small screen the buttons stay in sight.
namespace ScrollBody {

// Gives the window its layout: the body's layout in a scroll area named "<window>Body",
// the footer below it. Returns the scroll area.
QScrollArea* Build(QWidget* window, QLayout* body, QLayout* footer);

} // namespace ScrollBody
