#include "ui/main/fm_main.h"

#include "core/version.h"

namespace kolvenar {

namespace {

const QString kDesignCaption = QStringLiteral(" Kolvenar - Zuzovudezivudizer");

}  // namespace

Fm_Main::Fm_Main(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Fm_Main"));
    resize(9480 / 15, 6510 / 15);
    setWindowTitle(WindowCaption());
}

QString Fm_Main::WindowCaption() {
    const std::string_view version = VersionText();
    return kDesignCaption + QStringLiteral(" , Version ") +
           QString::fromUtf8(version.data(), static_cast<qsizetype>(version.size()));
}

}  // namespace kolvenar
