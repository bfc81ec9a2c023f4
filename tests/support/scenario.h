#pragma once

#include <QStringList>
#include <QWidget>

class QAbstractItemModel;
class QTreeView;

#include <functional>
#include <span>
#include <string_view>

#include "support/scripted_desktop.h"

namespace kolvenar::testing {

// Plays what a user does in a window, step by step, and checks what the user then sees; the window
// tests and the guide's screenshot driver use it. A step is one line "verb arguments"; the last
// argument takes the rest of the line. Controls are named by their objectName, in the window given
// or, as "Fm_Umrechner/txt_Wert0", in another open window; "\n" in a text stands for the line
// breaks of messages and the clipboard. A step that finds nothing to act on (no such control, list
// entry, row or column title) fails, and so do all steps, unplayed, when one of them is unknown.
//
// Doing:
//   type NAME TEXT       replace a box's text and press Enter     keys NAME TEXT   without Enter
//   click NAME           click a button, check box or option      check NAME 0|1   click if needed
//   pick NAME ITEM       choose a list entry by its text
//   key NAME KEYS        press keys ("Escape", "Ctrl+C") with NAME focused
//   trigger NAME         choose a menu entry                       answer Ja|Nein|OK|Escape [tick]
//   only Z Z ...         "Keine", then tick these elements         untick Z Z ...
//   range FROM TO        type both N                               select ROW ROW ...
//   header TITLE         click a column header of the result table
//   store SECTION KEY VALUE   write a setting
//   file PATH TEXT   write a file      folder PATH   make a folder    readonly PATH
//   saveas PATH [| FILTER]   "Speichern unter …" with that name typed, that type chosen
//   dialog PATH [| FILTER]   the same typed into the next file dialog not scripted yet
//   cancel   the next file dialog not scripted yet is closed without a name
// Checking:
//   =rows N   =row R A|B|...   =cell R C TEXT   =headers A|B|...   =order Z:N Z:N ...
//   =text NAME TEXT   =checked NAME 0|1   =enabled NAME 0|1   =visible NAME 0|1   =value BAR N
//   =accessibleName NAME TEXT   =y NAME PIXELS   (a property of a control or menu entry)
//   =minimized WINDOW/WINDOW 0|1   =toolTip NAME TEXT
//   =shown LABEL TEXT   (as much of its text as its room shows, "…" where it is cut)
//   =stored SECTION KEY VALUE   =message TITLE|TEXT   =messages N   =opened URL
//   =clipboard TEXT   =copied LINES   =windows NAME NAME ...   (the open windows, sorted)
//   =copiedAsOneThread same   (or the first line where the clipboard differs from the text of
//                              the highlighted rows written on one thread)
//   =dialog NAME   (the file name the last file dialog showed)
//   =focus NAME [ROW]   (the control with the focus; in the result table its current row)
//   =sorted TITLE ascending|descending   (or nothing)   =ticked Z Z ...   (the ticked elements)
//   =file PATH TEXT   (its bytes as Latin-1)   =files FOLDER NAME NAME ...
// "%T" in a step stands for the temporary folder given to the player.
class Scenario {
public:
    Scenario(ScriptedDesktop& desktop, std::function<QWidget*()> window, QString folder = QString())
        : desktop_(desktop), window_(std::move(window)), folder_(std::move(folder)) {}

    // Plays the steps in order; false (with the failure recorded) at the first that fails, or
    // before the first when any of them is unknown.
    bool Run(const QStringList& steps);
    // Whether the player knows the step's verb.
    static bool Knows(const QString& step);

    QWidget* Find(const QString& name) const;

private:
    // A step taken apart: its words (the verb first), the first argument, and the text after
    // the verb's leading words.
    struct Words {
        QStringList all;
        QString name;
        QString rest;
    };
    // A step that does something (false: it failed), and one that finds what the user sees.
    using Act = bool (*)(Scenario& player, const Words& words);
    using Look = QString (*)(Scenario& player, const Words& words);
    struct StepKind {
        std::string_view verb;
        // How many words come before the step's text.
        int wordsBeforeText;
        Act act;
        Look look = nullptr;
    };
    static std::span<const StepKind> Steps();
    static const StepKind* KindOf(const QString& step);

    // The named control, or null with the failure recorded.
    QWidget* Control(const QString& name) const;
    bool Dialog(const Words& w);
    bool Cancel();
    bool Tick(const Words& w);
    bool Type(const Words& w);
    bool Click(const Words& w);
    bool Key(const Words& w);
    QString Property(const Words& w);
    QString Shown(const Words& w);
    // The result table, or null.
    QTreeView* Table() const;
    // Records the failure of the current step.
    bool Fail(const QString& why) const;

    ScriptedDesktop& desktop_;
    std::function<QWidget*()> window_;
    QString folder_;
    QString step_;
    mutable bool failed_ = false;
};

}  // namespace kolvenar::testing
