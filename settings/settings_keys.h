#pragma once

#include <QString>

namespace kolvenar {

// Every section of the settings file, and every key that is not the name of a control. A
// control's value is kept under the control's own name in its window's section; the controls
// and how each is kept are listed with its window (docs/design.md, "Control names are stored
// keys"). Renaming any of these loses what users have stored.
namespace sections {

// A window's section is its name, which is also its objectName.
inline const QString kMain = QStringLiteral("Fm_Main");
inline const QString kConverter = QStringLiteral("Fm_Umrechner");
inline const QString kSettings = QStringLiteral("Fm_Einstellungen");
inline const QString kInfo = QStringLiteral("Fm_Info");
inline const QString kEvaluation = QStringLiteral("Fm_Auswerten");
inline const QString kGuide = QStringLiteral("Fm_Anleitung");
// The main window's element ticks, as "Z1" to "Z118".
inline const QString kElementTicks = QStringLiteral("ElementVisible");

}  // namespace sections

namespace keys {

// A window's placement in twips and whether it was minimized, in the window's section.
inline const QString kLeft = QStringLiteral("L");
inline const QString kTop = QStringLiteral("T");
inline const QString kWidth = QStringLiteral("W");
inline const QString kHeight = QStringLiteral("H");
inline const QString kWindowState = QStringLiteral("WindowState");

// An element's tick in sections::kElementTicks: the prefix and Z.
inline const QString kElementTickPrefix = QStringLiteral("Z");

// The reference constants in sections::kMain, under the names the settings window's boxes once
// had: each prefix and the slot; the marker that they have been stored.
inline const QString kCxPrefix = QStringLiteral("Cx");
inline const QString kCxValuePrefix = QStringLiteral("Cx_Wert");
inline const QString kCxNamePrefix = QStringLiteral("Cx_Bezeichnung");
inline const QString kCxStored = QStringLiteral("Einstellungen");

// What the main window remembers besides its controls, in sections::kMain: the folder
// "Speichern unter …" used last, the row question silenced, and "Abweichung zeigen" (under the
// name of its menu entry, which is also the entry's objectName).
inline const QString kSaveAsFolder = QStringLiteral("SpeichernUnterOrdner");
inline const QString kNoRowQuestion = QStringLiteral("ZeilenfrageNichtMehrFragen");
inline const QString kDeviation = QStringLiteral("ME_Abweichung");

}  // namespace keys

}  // namespace kolvenar
