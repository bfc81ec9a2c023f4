#pragma once

#include <QLabel>

namespace kolvenar {

// A label that is a link: it takes the focus and shows it, is followed with a left click, Enter
// or Space, and screen readers are told that it is a link they can press.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent);

    void Follow() { emit followed(); }

signals:
    void followed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kolvenar
