#pragma once

class QWidget;

namespace kolvenar {

class Desktop;

// At start-up, before anything reads the settings: sets a settings file aside that is far too
// large to be the program's own and tells the user so in one message.
void SetAsideOversizedSettings(Desktop& desktop, QWidget* owner);

}  // namespace kolvenar
