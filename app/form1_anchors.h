#pragma once
// Where the controls stand in the window's content. The window's outer size
// is 1063 x 803; the controls fit the client area that a usual window frame
// leaves inside it, and the memos and the bottom bar follow the bottom edge
// when the client area is taller.
#include <QObject>
#include <QRect>
#include <QWidget>

#include <vector>

namespace form1 {
inline constexpr int kOuterWidth = 1063;
inline constexpr int kOuterHeight = 803;
// The client area inside a usual frame (4 pixels a side, a title bar): the
// content's smallest size, below which it scrolls.
inline constexpr int kDesignClientWidth = 1055;
inline constexpr int kDesignClientHeight = 762;

inline constexpr int kLeftX = 8;      // data memo column
inline constexpr int kMiddleX = 248;  // records plot, statistics and comment column
inline constexpr int kRightX = 654;   // class plot and class listing column
inline constexpr int kColumnsY = 152;
inline constexpr int kBottomBarY = 718;

// Ties controls to the content's bottom edge: at each resize the memos grow or
// shrink with it and the bottom bar moves with it, each by the difference from
// the designed client height.
class Ancres : public QObject {
public:
    explicit Ancres(QWidget* contenu);
    // The bottom edge follows the content's bottom: the control grows; with
    // `a_droite`, its right edge keeps a margin of kLeftX to the content's.
    void etire(QWidget* w, bool a_droite = false) { ancres_.push_back({w, w->geometry(), true, a_droite}); }
    // The control moves with the content's bottom.
    void suit(QWidget* w, bool a_droite = false) { ancres_.push_back({w, w->geometry(), false, a_droite}); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Ancre {
        QWidget* widget;
        QRect design;
        bool stretch;
        bool right;
    };

    void place();

    QWidget* contenu_;
    std::vector<Ancre> ancres_;
};

}  // namespace form1
