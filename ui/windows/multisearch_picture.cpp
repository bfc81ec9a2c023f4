#include "ui/windows/multisearch_picture.h"

#include <QLabel>

namespace kolvenar {

QWidget* NewHitPicture(QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("pic_Trefferbild"));
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

}  // namespace kolvenar
