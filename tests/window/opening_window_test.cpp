// What the opening window leaves unread until a step shows it: the body and hand drawings are
// parsed on their first paint, never for the intro, and drawn whole once a step shows them.
#include <gtest/gtest.h>

#include <QImage>
#include <ostream>

#include "fixtures/modal_recorder.h"
#include "fixtures/open_session_window.h"
#include "window/ui/marker_picture.h"

using namespace mindrova;
using mindrova::testing::ModalRecorder;

namespace {

struct PictureCase {
    const char* name;  // the picture's object name
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

// Whether the picture's pixels hold anything but its white (or card) background.
bool HasDrawing(QWidget& picture) {
    const QImage image = picture.grab().toImage();
    const QRgb background = image.pixel(image.width() / 2, 0);
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (p != background && qGray(p) < 200) return true;
        }
    }
    return false;
}

class OpeningPicture : public ::testing::TestWithParam<PictureCase> {
protected:
    void SetUp() override { window = mindrova::testing::OpenSessionWindow(); }
    void TearDown() override { mindrova::testing::CloseSessionWindow(window); }

    ModalRecorder modal;
    frmMain* window = nullptr;
};

TEST_P(OpeningPicture, ReadOnlyWhenAStepFirstShowsIt) {
    auto* picture = window->findChild<MarkerPicture*>(QLatin1String(GetParam().name));
    ASSERT_NE(picture, nullptr);
    window->grab();  // the intro, painted
    ASSERT_EQ(window->controller().State().genmCurrentStep, estIntro);
    EXPECT_FALSE(picture->isVisibleTo(window));
    EXPECT_FALSE(picture->pictureLoaded());

    SessionController& session = window->controller();
    for (int guard = 0; guard < 40 && !picture->isVisibleTo(window); ++guard) {
        if (session.State().genmCurrentStep == estSelectIssue) session.SetOwnWords("the exam");
        session.Next();
    }
    ASSERT_TRUE(picture->isVisibleTo(window));
    EXPECT_TRUE(HasDrawing(*picture));
    EXPECT_TRUE(picture->pictureLoaded());
}

INSTANTIATE_TEST_SUITE_P(Pictures, OpeningPicture,
                         ::testing::Values(PictureCase{"picShape"}, PictureCase{"picHandLeft"},
                                           PictureCase{"picHandRight"}),
                         [](const ::testing::TestParamInfo<PictureCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
