#include "ui/windows/fm_anleitung.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "ui/common/control_list.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

// Wide enough for the guide's widest picture beside its margins.
constexpr int kWidthTwips = 13800;
constexpr int kHeightTwips = 10800;
// The dialog font is too small to read a long text in.
constexpr double kPagePointSize = 10;

constexpr std::array<ListedControl, 1> kControls = {{
    {.name = "txt_Anleitung", .spoken = "Text der Anleitung"},
}};

}  // namespace

Fm_Anleitung::Fm_Anleitung(const QString& guideFile, QWidget* parent)
    : SideWindow(sections::kGuide, QStringLiteral(" Anleitung"), WindowBorder::Resizable, parent) {
    resize(TwipsRect(0, 0, kWidthTwips, kHeightTwips).size());
    auto* page = new QTextBrowser(this);
    page->setObjectName(QStringLiteral("txt_Anleitung"));
    QFont font = page->font();
    font.setPointSizeF(kPagePointSize);
    page->setFont(font);
    // The pictures' relative addresses resolve against the page's own.
    page->setSource(QUrl::fromLocalFile(guideFile));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    SetUpControls(*this, kControls);

    // Restored once the window has a place of its own: the default size of a resizable window
    // is too narrow for the pictures.
    SettingsStore store;
    if (!store.Read(objectName(), keys::kWidth, QString()).isEmpty()) {
        RestorePlacement(store);
    }
}

}  // namespace kolvenar
