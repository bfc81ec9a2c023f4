#pragma once

#include <QMainWindow>

namespace kolvenar {

// The main window: the user's whole work happens here.
class Fm_Main : public QMainWindow {
    Q_OBJECT

public:
    explicit Fm_Main(QWidget* parent = nullptr);

    // The caption every start shows: the design caption, " , Version " and the version.
    static QString WindowCaption();
};

}  // namespace kolvenar
