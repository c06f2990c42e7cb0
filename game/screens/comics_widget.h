// cComicsWidget: the comics screen the game shows between chapters. Its pages,
// paging and editor palette are the comics base's; the game's screen only names it.
#pragma once

#include "framework/widgets/comics_base_widget.h"

class cComicsWidget : public cComicsBaseWidget {
public:
    cComicsWidget();
};
