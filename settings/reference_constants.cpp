#include "settings/reference_constants.h"

#include "core/number_rules.h"
#include "core/number_text.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

namespace kolvenar {

namespace {

// The constants are kept in the main window's section, under the names the controls of the
// settings window had (docs/design.md, "Control names are stored keys").
QString Key(const QString& prefix, int slot) {
    return prefix + QString::number(slot);
}

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Only blanks are taken off; tabs and other characters stay.
QString WithoutSurroundingBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text[last - 1] == QLatin1Char(' ')) {
        --last;
    }
    return text.mid(first, last - first);
}

CxEntry EntryFromTexts(const CxTexts& texts) {
    return {texts.Cx.toStdString(), ReferenceLengthFromText(texts.Cx_Wert.toStdString()),
            texts.Cx_Bezeichnung.toStdString()};
}

}  // namespace

double ReferenceLengthFromText(std::string_view text) {
    const double value = LeadingNumber(text);
    return value == 0.0 ? 1.0 : value;
}

CxTable ReadReferenceConstants(const SettingsStore& store) {
    CxTable constants;
    for (int i = 0; i < kCxSlotCount; ++i) {
        constants[static_cast<std::size_t>(i)] = EntryFromTexts(
            {store.Read(sections::kMain, Key(keys::kCxPrefix, i), QStringLiteral("--")),
             store.Read(sections::kMain, Key(keys::kCxValuePrefix, i), QStringLiteral("1")),
             store.Read(sections::kMain, Key(keys::kCxNamePrefix, i), QStringLiteral("---"))});
    }
    return constants;
}

CxTextTable ReadReferenceConstantTexts(const SettingsStore& store) {
    CxTextTable texts;
    for (int i = 0; i < kCxSlotCount; ++i) {
        const FactoryConstant& factory = kFactoryConstants[static_cast<std::size_t>(i)];
        texts[static_cast<std::size_t>(i)] = {
            store.Read(sections::kMain, Key(keys::kCxPrefix, i), Utf8(factory.Cx)),
            store.Read(sections::kMain, Key(keys::kCxValuePrefix, i),
                       Utf8(NumText(factory.Cx_Wert))),
            store.Read(sections::kMain, Key(keys::kCxNamePrefix, i), Utf8(factory.Cx_Bezeichnung))};
    }
    return texts;
}

CxTable StoreReferenceConstants(SettingsStore& store, const CxTextTable& texts) {
    CxTable constants;
    for (int i = 0; i < kCxSlotCount; ++i) {
        const CxTexts& slot = texts[static_cast<std::size_t>(i)];
        const CxTexts stored = {WithoutSurroundingBlanks(slot.Cx),
                                WithoutSurroundingBlanks(slot.Cx_Wert),
                                WithoutSurroundingBlanks(slot.Cx_Bezeichnung)};
        store.Write(sections::kMain, Key(keys::kCxPrefix, i), stored.Cx);
        store.Write(sections::kMain, Key(keys::kCxValuePrefix, i), stored.Cx_Wert);
        store.Write(sections::kMain, Key(keys::kCxNamePrefix, i), stored.Cx_Bezeichnung);
        constants[static_cast<std::size_t>(i)] = EntryFromTexts(stored);
    }
    store.Write(sections::kMain, keys::kCxStored, QStringLiteral("Ja"));
    return constants;
}

bool ReferenceConstantsStored(const SettingsStore& store) {
    // Only the exact text "Nein" (case-sensitive) means a first start; so does a missing key.
    return store.Read(sections::kMain, keys::kCxStored, QStringLiteral("Nein")) !=
           QStringLiteral("Nein");
}

}  // namespace kolvenar
