#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <optional>
#include <span>

#include "export/export.h"
#include "ui/windows/hit_grid.h"

class QAction;

namespace kolvenar {

class Desktop;

// The hit picture of a list of measured values (objectName `pic_Trefferbild`): the first 30
// elements of the ranking, in its order, against the values, each cell coloured by
// |deviation| ÷ tolerance, with its N where it fits; a value an element does not explain is
// an empty cell. Its context menu saves the picture as PNG or SVG ("Bild speichern …", through
// the desktop's file dialog) and copies it (Ctrl+C) as an image.
//
// It computes the assignments it shows itself, from the matcher and the ranking the window
// holds: Show() is called after each new ranking, with the same matcher and values.
class HitPicture : public QWidget {
    Q_OBJECT

public:
    explicit HitPicture(Desktop& desktop, QWidget* parent = nullptr);

    void Show(const MultiMatcher& matcher, const Ranking& ranking,
              std::span<const MeasuredValue> values);
    void Clear();
    const HitGrid& Grid() const { return grid_; }

    // Where a cell lies in the widget, as painted.
    QRectF CellRect(int row, int column) const;
    // The picture as the widget shows it, and at another size (a saved picture is the size of
    // the widget, at least its size hint).
    QImage Picture() const { return Picture(PictureSize()); }
    QImage Picture(QSize size) const;
    QSize PictureSize() const;

    // Writes the picture, PNG or SVG by the name's extension (PNG for any other), whole or not
    // at all.
    std::optional<FileFailure> Save(const QString& path) const;
    // "Bild speichern …": asks for a name and type, asks before replacing, names a failure.
    void SaveWithDialog();
    // Puts the picture on the clipboard as an image.
    void Copy() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

private:
    void ShowToolTip(const QPoint& at, const QPoint& global);
    void Report(const QString& title, const QString& text, bool failed);

    Desktop& desktop_;
    HitGrid grid_;
    QAction* saveAction_;
    QAction* copyAction_;
    QString saveFolder_;
};

}  // namespace kolvenar
