#pragma once

// Qt's own texts (the buttons of message boxes, the print and file dialogs) in Chinese,
// from Qt's translations as the system installs them.
namespace QtChinese {

// Installs the translation once; false when it is not installed on this system.
bool Install();

} // namespace QtChinese
