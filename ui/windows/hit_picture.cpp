#include "ui/windows/hit_picture.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImageWriter>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QToolTip>

#include <array>

#include "ui/common/desktop_seam.h"
#include "ui/common/save_dialog.h"
#include "ui/windows/hit_picture_painter.h"

namespace kolvenar {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
constexpr std::array<SaveFileType, 2> kPictureTypes = {{
    {"PNG-Bild (*.png)", "png"},
    {"SVG-Grafik (*.svg)", "svg"},
}};

QByteArray SvgBytes(const HitGrid& grid, const QFont& font, QSize size) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    // So that the picture's size in millimetres is its size in pixels on a screen.
    svg.setResolution(96);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Trefferbild"));
    QPainter painter(&svg);
    PaintHitPicture(painter, QRectF(QPoint(0, 0), size), grid, font);
    painter.end();
    return buffer.data();
}

QByteArray PngBytes(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.write(image);
    return buffer.data();
}

}  // namespace

HitPicture::HitPicture(Desktop& desktop, QWidget* parent)
    : QWidget(parent),
      desktop_(desktop),
      saveAction_(new QAction(QStringLiteral("Bild &speichern …"), this)),
      copyAction_(new QAction(QStringLiteral("&Kopieren"), this)) {
    setObjectName(QStringLiteral("pic_Trefferbild"));
    setAccessibleName(QStringLiteral("Trefferbild"));
    setFocusPolicy(Qt::StrongFocus);
    saveAction_->setObjectName(QStringLiteral("ME_BildSpeichern"));
    copyAction_->setObjectName(QStringLiteral("ME_BildKopieren"));
    copyAction_->setShortcut(QKeySequence::Copy);
    copyAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(copyAction_);
    connect(saveAction_, &QAction::triggered, this, &HitPicture::SaveWithDialog);
    connect(copyAction_, &QAction::triggered, this, &HitPicture::Copy);
}

void HitPicture::Show(const MultiMatcher& matcher, const Ranking& ranking,
                      std::span<const MeasuredValue> values) {
    grid_ = HitGrid(matcher, ranking, values);
    update();
}

void HitPicture::Clear() {
    grid_ = HitGrid();
    update();
}

QRectF HitPicture::CellRect(int row, int column) const {
    return HitLayout(QRectF(rect()), grid_, font()).CellRect(row, column);
}

QSize HitPicture::sizeHint() const {
    return {900, 600};
}

QSize HitPicture::minimumSizeHint() const {
    return {300, 200};
}

QSize HitPicture::PictureSize() const {
    return size().expandedTo(sizeHint());
}

QImage HitPicture::Picture(QSize size) const {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintHitPicture(painter, QRectF(image.rect()), grid_, font());
    return image;
}

std::optional<FileFailure> HitPicture::Save(const QString& path) const {
    const bool svg =
        QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    const QByteArray bytes = svg ? SvgBytes(grid_, font(), PictureSize()) : PngBytes(Picture());
    return WriteWholeFile(path, [&bytes](const TextSink& write, std::optional<FileFailure>&) {
        return write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}

void HitPicture::SaveWithDialog() {
    QFileDialog dialog(window(), QStringLiteral(" Bild speichern"));
    PrepareSaveDialog(dialog, kPictureTypes, saveFolder_, QStringLiteral("Trefferbild.png"));
    while (desktop_.RunFileDialog(dialog) && !dialog.selectedFiles().isEmpty()) {
        const QString typed = dialog.selectedFiles().constFirst();
        const QString chosen = NameAndType(typed, dialog.selectedNameFilter(), kPictureTypes).first;
        const QString shown = QDir::toNativeSeparators(chosen);
        saveFolder_ = QFileInfo(chosen).absolutePath();
        const MessageAnswer replace = QFileInfo::exists(chosen)
                                          ? AskToReplace(desktop_, window(), chosen)
                                          : MessageAnswer::Yes;
        if (replace == MessageAnswer::Yes) {
            const auto failure = Save(chosen);
            Report(failure ? QStringLiteral(" Fehler") : QStringLiteral(" Meldung"),
                   failure ? QStringLiteral("Konnte die Datei '") + shown +
                                 QStringLiteral("' nicht speichern !?") + kLineBreak +
                                 QString::number(failure->number) + QStringLiteral(" : ") +
                                 failure->description
                           : QStringLiteral("Datei wurde gespeichert als") + kLineBreak + shown,
                   failure.has_value());
        }
        if (replace != MessageAnswer::No) {
            return;
        }
        dialog.selectFile(typed);
    }
}

void HitPicture::Report(const QString& title, const QString& text, bool failed) {
    desktop_.ShowMessage(window(), title, text,
                         failed ? MessageIcon::Exclamation : MessageIcon::Information,
                         MessageButtons::Ok, MessageAnswer::Ok);
}

void HitPicture::Copy() const {
    QGuiApplication::clipboard()->setImage(Picture());
}

void HitPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintHitPicture(painter, QRectF(rect()), grid_, font());
}

void HitPicture::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(saveAction_);
    menu.addAction(copyAction_);
    menu.exec(event->globalPos());
}

bool HitPicture::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        ShowToolTip(help->pos(), help->globalPos());
        return true;
    }
    return QWidget::event(event);
}

// The cell under the mouse in words: its element, its value and what the one makes of the
// other.
void HitPicture::ShowToolTip(const QPoint& at, const QPoint& global) {
    int row = 0;
    int column = 0;
    if (grid_.Empty() ||
        !HitLayout(QRectF(rect()), grid_, font()).CellAt(QPointF(at), row, column) ||
        row >= grid_.ElementCount() || column >= grid_.ValueCount()) {
        QToolTip::hideText();
        return;
    }
    const HitGrid::Cell& cell = grid_.At(row, column);
    const QString what = cell.Explained()
                             ? QStringLiteral("N = ") + QString::number(cell.n) +
                                   QStringLiteral(", |Abweichung| / Toleranz ") +
                                   QLocale().toString(static_cast<double>(cell.ratio), 'f', 2)
                             : QStringLiteral("nicht erklärt");
    QToolTip::showText(global,
                       HitElementLabel(grid_.Element(row)) + QStringLiteral(", Messwert ") +
                           HitValueLabel(grid_.Value(column)) + QStringLiteral(": ") + what,
                       this);
}

}  // namespace kolvenar
