#pragma once

class QWidget;

namespace kolvenar {

// Gives the controls of `window` (found by its object name) the names a screen reader reads
// for them: short, German and unique within the window. Controls whose own caption says what
// they are for keep it as their name and are not listed.
void NameControls(QWidget& window);

}  // namespace kolvenar
