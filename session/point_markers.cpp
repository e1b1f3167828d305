#include "session/point_markers.h"

namespace mindrova {

const std::array<MarkerPlace, MARKER_COUNT + 1> kMarkerPlaces{{
    {"", MarkerContainer::Window, 0, 0},
    {"Intro", MarkerContainer::Window, 1470, 900},
    {"LeftHand", MarkerContainer::HandLeft, 1590, 2130},
    {"RightHand", MarkerContainer::HandRight, 1980, 2160},
    {"TopHead", MarkerContainer::Body, 3330, 150},
    {"LeftEyeBrow", MarkerContainer::Body, 3210, 1650},
    {"LeftEyeCorner", MarkerContainer::Body, 2580, 1830},
    {"LeftUnderEye", MarkerContainer::Body, 2940, 2100},
    {"UnderNose", MarkerContainer::Body, 3330, 2490},
    {"Chin", MarkerContainer::Body, 3330, 3120},
    {"LeftCollarbone", MarkerContainer::Body, 2820, 4170},
    {"LeftUnderArm", MarkerContainer::Body, 1530, 8250},
    {"RightEyeCorner", MarkerContainer::Body, 4110, 1860},
    {"RightUnderEye", MarkerContainer::Body, 3750, 2100},
    {"RightCollarbone", MarkerContainer::Body, 3870, 4170},
    {"RightUnderArm", MarkerContainer::Body, 5130, 8250},
    {"RightEyeBrow", MarkerContainer::Body, 3480, 1650},
}};

qint32 GetStepDotIndex(Step step) {
    switch (step) {
        case estLeftHand:
            return 2;
        case estRightHand:
            return 3;
        case estTopHead1:
        case estTopHead2:
            return 4;
        case estLeftEyebrow:
            return 5;
        case estLeftEyeCorner:
            return 6;
        case estLeftUnderEye:
            return 7;
        case estUnderNose1:
        case estUnderNose2:
            return 8;
        case estChin1:
        case estChin2:
            return 9;
        case estLeftCollarbone:
            return 10;
        case estLeftUnderArm:
            return 11;
        case estRightEyebrow:
            return 16;
        case estRightEyeCorner:
            return 12;
        case estRightUnderEye:
            return 13;
        case estRightCollarbone:
            return 14;
        case estRightUnderArm:
            return 15;
        default:
            break;
    }
    return (step >= estNone && step <= MAX_STEP) ? -1 : 0;
}

}  // namespace mindrova
