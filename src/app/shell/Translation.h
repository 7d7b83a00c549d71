#pragma once

class QCoreApplication;

namespace rw {

// Puts Qt's own Japanese texts (the buttons of message boxes, the file and
// folder dialogs, the text boxes' pop-up menus) under the program's Japanese
// interface, whatever the system's language. Looks in Qt's translations
// folder, then in "translations" beside the program. False when neither
// holds them; the program then runs with Qt's English texts.
bool InstallQtTranslation(QCoreApplication& app);

} // namespace rw
