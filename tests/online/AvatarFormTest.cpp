// The avatar chooser's window: what it previews in each mode, which item its list checks, and
// where its preview and link lead.  Its save is tested against the server (AvatarTest.cpp).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>

#include <filesystem>

#include "graphics/GraphicsGlobals.h"
#include "online/AvatarCache.h"
#include "online/qt/AvatarForm.h"
#include "tests/online/OnlineTestSupport.h"
#include "testsupport/graphics/TestGif.h"

using namespace onlinetest;
namespace fs = std::filesystem;

namespace {

class AvatarFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = OnlineProgramFolder();
        bNewStyle = 0;
    }
    void TearDown() override { bNewStyle = 0; }

    // The preview shows the picture at a path.
    static bool Previews(const TAvatarForm& form, const std::string& gbkPath) {
        QImage expected;
        return LoadGifBitmap(gbkPath, &expected) && form.PreviewBitmap() == expected;
    }

    fs::path folder_;
    platform::testing::DesktopRecorder desktop_;
    platform::testing::ScopedDesktop installed_{&desktop_};
};

TEST_F(AvatarFormTest, TheClassicStylePreviewsTheCachedPictureElseTheDefaultOfTheSex) {
    TAvatarForm form;
    AvatarUser user{1, 8, 4001};
    form.SetUser(user);
    form.FormShow();
    EXPECT_FALSE(form.CheckBox1->isChecked());
    EXPECT_TRUE(Previews(form, "male.gif"));
    EXPECT_EQ(form.FirstChecked(), 7);

    fs::create_directories(folder_ / "Avatar");
    WriteFile(folder_ / "Avatar" / "4001.gif", testsupport::MakeTestGif(30, 40, 4));
    form.FormShow();
    EXPECT_TRUE(Previews(form, AvatarCachePath(4001)));

    // The preview leads to the avatar-show page only in this mode.
    form.PaintBox1MouseDown();
    EXPECT_EQ(desktop_.opened, std::vector<std::string>{kAvatarShowUrl});
}

TEST_F(AvatarFormTest, WithoutAnyPictureThe2DPreviewStaysAsItWas) {
    fs::remove(folder_ / "female.gif");
    TAvatarForm form;
    const QImage before = form.PreviewBitmap();
    form.SetUser(AvatarUser{0, 2, 4002});
    form.FormShow();
    EXPECT_TRUE(form.PreviewBitmap() == before);
}

TEST_F(AvatarFormTest, TheNewStylePreviewsTheFigureOfTheCheckedPicture) {
    bNewStyle = 1;
    TAvatarForm form;
    form.SetUser(AvatarUser{0, 3, 4003});
    form.FormShow();
    EXPECT_TRUE(form.CheckBox1->isChecked());
    EXPECT_TRUE(Previews(form, "Graphic\\3.gif"));
    form.PaintBox1MouseDown();
    EXPECT_TRUE(desktop_.opened.empty());

    form.ListView1->setCurrentRow(4);  // selecting an item previews it
    EXPECT_TRUE(Previews(form, "Graphic\\5.gif"));
    EXPECT_EQ(form.FirstChecked(), 2);  // selecting checks nothing

    form.CheckBox1->setChecked(false);
    form.CheckBox1Click();
    EXPECT_TRUE(Previews(form, "female.gif"));
    form.CheckBox1->setChecked(true);
    form.CheckBox1Click();
    EXPECT_TRUE(Previews(form, "Graphic\\3.gif"));
}

TEST_F(AvatarFormTest, SavingWithNothingCheckedMeansPictureOne) {
    TAvatarForm form;
    form.SetUser(AvatarUser{0, 1, 4004});
    form.FormShow();
    for (int i = 0; i < form.ListView1->count(); ++i) form.ListView1->item(i)->setCheckState(Qt::Unchecked);
    platform::testing::MessageBoxRecorder boxes;
    platform::testing::ScopedMessageBoxes installed(&boxes);
    EXPECT_EQ(form.BitBtn1Click(), AvatarSave::kUnchanged);
}

}  // namespace
