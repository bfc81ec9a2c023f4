#pragma once

#include <QString>
#include <QStringList>

#include "ui/common/desktop_seam.h"

class QFileDialog;
class QWidget;

namespace kolvenar {

// Sets up a dialog that asks for a name to save under: any name may be typed, and the final
// name is asked about only once its extension is settled (AskToReplace). It opens in `folder`,
// the one last saved in, or the first time in the user's documents folder (the home folder
// where there is none), with `name` typed.
void PrepareSaveDialog(QFileDialog& dialog, const QStringList& filters, const QString& folder,
                       const QString& name);

// " Achtung": the file exists, shall it be replaced? "Nein" is the default.
MessageAnswer AskToReplace(Desktop& desktop, QWidget* parent, const QString& path);

}  // namespace kolvenar
