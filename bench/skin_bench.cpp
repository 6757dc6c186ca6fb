#include "SkinWindow.h"
#include "uMainMenu.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>

namespace {

// The main window's buttons: seven sign pictures of 200 by 150 and four frame buttons of
// 40 by 40, five state pictures each, as a skin would give them.
struct SkinButton {
    const char* section;
    int left;
    int top;
    int width;
    int height;
};
constexpr std::array<SkinButton, 11> kMainButtons = {{
    {"zoom", 820, 10, 40, 40},
    {"minimize", 870, 10, 40, 40},
    {"close", 920, 10, 40, 40},
    {"quest", 970, 10, 40, 40},
    {"sign_1_4", 450, 100, 200, 150},
    {"sign_1_6", 680, 350, 200, 150},
    {"sign_1_3", 270, 70, 200, 150},
    {"sign_1_2", 110, 320, 200, 150},
    {"sign_1_1", 150, 500, 200, 150},
    {"sign_1_5", 670, 110, 200, 150},
    {"sign_1_7", 620, 500, 200, 150},
}};
constexpr std::array<const char*, kButtonStateCount> kStateKeys = {
    "state_disable", "state_up", "state_down", "state_over", "state_active"};

class BenchWindow : public TSkinWindow {
public:
    void SetPointer(Qt::CursorShape) override {}
    void SetHintText(const QString&) override {}
    void SetHintsOn(bool) override {}
    TPressTag GetTag() const override { return tag_; }
    void SetTag(TPressTag tag) override { tag_ = tag; }
    QPoint ClientToScreen(QPoint client) const override { return client; }
    int Left() const override { return 0; }
    int Top() const override { return 0; }
    int Width() const override { return 1024; }
    int Height() const override { return 768; }
    void MoveTo(int, int) override {}
    QSize ScreenSize() const override { return {1024, 768}; }

private:
    TPressTag tag_ = TPressTag::Free;
};

QByteArray WriteButton(const QString& dir, const SkinButton& button)
{
    QByteArray section = QByteArray("[") + button.section + "]\n";
    for (int state = 0; state < kButtonStateCount; ++state) {
        const QString name = QString("%1_%2.jpg").arg(button.section).arg(state);
        QImage picture(button.width, button.height, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(state * 60, 200, 200));
        picture.save(dir + "/" + name, "JPG");
        section += QByteArray(kStateKeys[state]) + "=" + name.toLatin1() + "\n";
    }
    section += "bnd_x=" + QByteArray::number(button.left) +
               "\nbnd_y=" + QByteArray::number(button.top) +
               "\nbnd_w=" + QByteArray::number(button.width) +
               "\nbnd_h=" + QByteArray::number(button.height) + "\n";
    return section;
}

struct MainButtons {
    MainButtons()
    {
        for (const SkinButton& button : kMainButtons)
            group.AddButton(button.section, ButtonKind::Push);
    }

    // Returns the folder, for the skin that reads it.
    static QString WriteSkin(const QTemporaryDir& folder)
    {
        QByteArray ini;
        for (const SkinButton& button : kMainButtons)
            ini += WriteButton(folder.path(), button);
        QFile file(folder.path() + "/buttons.ini");
        if (file.open(QIODevice::WriteOnly))
            file.write(ini);
        file.close();
        return folder.path();
    }

    QTemporaryDir dir;
    const TSkin skin{WriteSkin(dir)};
    BenchWindow owner;
    TMainMenuEx group{owner, skin};
};

MainButtons& Buttons()
{
    static MainButtons buttons;
    return buttons;
}

// One paint's worth of button drawing onto the window's 1024 by 768 composition picture.
void BM_DrawElevenButtons(benchmark::State& state)
{
    const TMainMenuEx& group = Buttons().group;
    QImage composition(1024, 768, QImage::Format_RGB32);
    QPainter painter(&composition);
    for (auto _ : state)
        group.Draw(painter);
    painter.end();
    benchmark::DoNotOptimize(composition.constBits());
}
BENCHMARK(BM_DrawElevenButtons)->Unit(benchmark::kMicrosecond);

// A mouse move over the group: hit tests, hover states, pointer and hint.
void BM_MouseMoveOverElevenButtons(benchmark::State& state)
{
    TMainMenuEx& group = Buttons().group;
    int x = 0;
    for (auto _ : state) {
        group.MouseMove({x, 400});
        x = (x + 7) % 1024;
    }
}
BENCHMARK(BM_MouseMoveOverElevenButtons);

} // namespace

// Drawing sets the canvas font, which needs the application's font database.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
