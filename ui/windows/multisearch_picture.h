#pragma once

class QWidget;

namespace kolvenar {

struct Ranking;

// The picture of the hits, pic_Trefferbild, shown beside the ranking.
QWidget* NewHitPicture(QWidget* parent);

}  // namespace kolvenar
