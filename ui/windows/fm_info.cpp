#include "ui/windows/fm_info.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QUrl>

#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "ui/common/control_list.h"
#include "ui/common/desktop_seam.h"
#include "ui/common/link_label.h"
#include "ui/common/window_support.h"

namespace kolvenar {

namespace {

constexpr int kClientWidthTwips = 6240;
// Deep enough for the two links below the text, with the same margin as above the first box.
constexpr int kClientHeightTwips = 6375;

// The blanks at the ends of lines belong to the text (docs/design.md, "Texts with their blanks
// and typos").
constexpr std::array<const char*, 22> kEquationLines = {
    "Zuzovudezivudizer nach der Gleichung von Velmoran : ",
    "Physical Review (A. H. Compton)",
    "Band 21",
    "Heft 5, Mai 1923",
    "Seiten 483 - 502",
    "DOI 10.1103/PhysRev.21.483",
    "",
    "L = Z * Ce * 2^N ",
    "",
    "mit",
    "Z = 1-118 Kernladungszahl o. Ordnungszahl",
    "Ce = 2.42611E-12 m Comptonwellenlänge für Elektronen Ce=h/(m*c)",
    "h = Plancksches Wirkungsquantum",
    "m = Elektronenmasse ",
    "c = 299792458 m/s Lichtgeschwindigkeit ",
    "N = ganze Zahl (gehäuft bei N=33+13*k, k ganz) ",
    "L = Wellenlänge in Meter",
    "",
    "f = Frequenz in Hz",
    "f = 1 / T",
    "T = Periodendauer in s",
    "T = L / c oder T = 1 / f",
};

// Caption of each link, by member index: a page about the Compton effect and the constants of
// the national metrology institute of the United States.
constexpr std::array<const char*, 2> kLinkCaptions = {"de.wikipedia.org/wiki/Compton-Effekt",
                                                      "physics.nist.gov"};
constexpr std::array<int, 2> kLinkTops = {6000, 5640};

// Tab goes from top to bottom: the upper link, Links1, comes first.
constexpr std::array<ListedControl, 4> kControls = {{
    {.name = "txt_Info0", .spoken = "Überschrift"},
    {.name = "txt_Info1", .spoken = "Gleichung und ihre Größen"},
    {.name = "Links1", .spoken = "Physik-Seiten des NIST"},
    {.name = "Links0", .spoken = "Wikipedia-Artikel zum Compton-Effekt"},
}};

void SetColours(QWidget& box, const QColor& background, const QColor& text) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    box.setPalette(palette);
}

}  // namespace

Fm_Info::Fm_Info(Desktop& desktop, QWidget* parent)
    : SideWindow(sections::kInfo, QStringLiteral(" Info"), WindowBorder::Fixed, parent),
      desktop_(desktop) {
    setFixedSize(TwipsRect(0, 0, kClientWidthTwips, kClientHeightTwips).size());

    // Nothing reads the two boxes, so they are read-only; their text can still be copied.
    auto* heading = PlaceControl<QLineEdit>(this, MemberName(QStringLiteral("txt_Info"), 0), 120,
                                            120, 6015, 285);
    heading->setFont(DialogFont(true));
    heading->setReadOnly(true);
    heading->setText(QStringLiteral("Die Gleichung des Zuzovudezivudizers und ihre Größen"));
    heading->setCursorPosition(0);
    SetColours(*heading, QColor(255, 255, 255), QColor(0, 0, 0));

    auto* equation = PlaceControl<QPlainTextEdit>(this, MemberName(QStringLiteral("txt_Info"), 1),
                                                  120, 480, 6015, 4455);
    equation->setFont(DialogFont(true));
    equation->setReadOnly(true);
    equation->setPlainText(EquationText());
    // A caret lets keyboard and screen reader users go through the text line by line.
    equation->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    SetColours(*equation, QColor(224, 224, 224), QColor(0, 0, 0));

    auto* intro = PlaceControl<QLabel>(this, QStringLiteral("Lab_Info"), 120, 5280, 2775, 255);
    intro->setTextFormat(Qt::PlainText);
    intro->setText(QStringLiteral("Weitere Informationen im Internet:"));

    for (int i = 0; i < 2; ++i) {
        LinkLabel* link = PlaceControl<LinkLabel>(this, MemberName(QStringLiteral("Links"), i), 120,
                                                  kLinkTops[i], 3135, 255);
        link->setTextFormat(Qt::PlainText);
        link->setText(QString::fromLatin1(kLinkCaptions[i]));
        link->setFont(DialogFont(true));
        QPalette palette = link->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Active, QPalette::ToolTipBase));
        palette.setColor(QPalette::WindowText,
                         palette.color(QPalette::Active, QPalette::ToolTipText));
        link->setPalette(palette);
        link->setAutoFillBackground(true);
        connect(link, &LinkLabel::followed, this, [this, i] { Links_Click(i); });
        links_[i] = link;
    }
    SetUpControls(*this, kControls);

    SettingsStore store;
    RestorePlacement(store);
}

QString Fm_Info::EquationText() {
    QString text;
    for (const char* line : kEquationLines) {
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    }
    return text;
}

void Fm_Info::Links_Click(int index) {
    desktop_.OpenAddress(QUrl(QStringLiteral("http://") + links_[index == 0 ? 0 : 1]->text()));
}

}  // namespace kolvenar
