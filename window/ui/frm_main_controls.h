#pragma once
// The session window's controls, named as the window's design names them; tests reach them by
// object name. The window inherits them, as a form inherits its generated controls, so that its
// code names them as the design does.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "window/ui/marker_picture.h"

namespace mindrova {

struct frmMainControls {
    QWidget* picToolBar = nullptr;
    QPushButton* cmdExit = nullptr;
    std::array<QPushButton*, 2> cmdNavig{};
    QPushButton* cmdPause = nullptr;
    QPushButton* cmdFinish = nullptr;
    QPushButton* cmdResume = nullptr;
    QPushButton* cmdWeb = nullptr;
    QWidget* picStatusBar = nullptr;
    QToolButton* cmdNav = nullptr;
    QLabel* lblTime_New = nullptr;
    QWidget* picLeftFrame = nullptr;
    QLabel* lblSegmentTitle = nullptr;
    QLabel* lblLeftFrame = nullptr;
    QScrollArea* scrLeftFrame = nullptr;  // scrolls the instructions a small panel cannot hold
    QWidget* picRightFrame = nullptr;
    MarkerPicture* picShape = nullptr;
    QLabel* lblCurrentPoint = nullptr;
    MarkerPicture* picHandLeft = nullptr;
    MarkerPicture* picHandRight = nullptr;
    QWidget* fraMode = nullptr;
    std::array<QRadioButton*, 13> radMode{};  // 1..12
    QWidget* fraSUD_2 = nullptr;
    std::array<QRadioButton*, 11> radSUD{};
    std::array<QLabel*, 11> lblSUDUnit{};
    QLabel* lblSplit = nullptr;
    QToolButton* cmdPause_Bottom = nullptr;
    QLabel* lblIntro = nullptr;
    QScrollArea* scrIntro = nullptr;  // scrolls the intro and closing texts the window cannot hold
    QMenu* mnuPopUp = nullptr;
    QAction* mnuPopUpShortcuts = nullptr;
    QAction* mnuPopUpAbout = nullptr;
    QAction* mnuPopUpSep = nullptr;
    QAction* mnuPopUpExit = nullptr;
};

}  // namespace mindrova
