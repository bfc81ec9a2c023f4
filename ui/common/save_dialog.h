#pragma once

#include <QString>

#include <cstddef>
#include <span>
#include <utility>

#include "ui/common/desktop_seam.h"

class QFileDialog;
class QWidget;

namespace kolvenar {

// A file type a save dialog offers: its filter as the dialog shows it, and its extension.
struct SaveFileType {
    const char* filter;
    const char* extension;
};

// Sets up a dialog that asks for a name to save under, offering `types` in their order: any
// name may be typed, and the final name is asked about only once its extension is settled
// (NameAndType, AskToReplace). It opens in `folder`, the one last saved in, or the first time in
// the user's documents folder (the home folder where there is none), with `name` typed.
void PrepareSaveDialog(QFileDialog& dialog, std::span<const SaveFileType> types,
                       const QString& folder, const QString& name);

// The name to save under and the place of its type in `types`: the type its extension asks for
// (in any case), else the chosen filter's, whose extension the name then gets; the first type
// where neither says.
std::pair<QString, std::size_t> NameAndType(const QString& typed, const QString& filter,
                                            std::span<const SaveFileType> types);

// " Achtung": the file exists, shall it be replaced? "Nein" is the default.
MessageAnswer AskToReplace(Desktop& desktop, QWidget* parent, const QString& path);

}  // namespace kolvenar
