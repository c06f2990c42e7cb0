// cComicsWidget: the comics screen under its name.
#include "game/screens/comics_widget.h"

cComicsWidget::cComicsWidget() : cComicsBaseWidget(kName) {}
