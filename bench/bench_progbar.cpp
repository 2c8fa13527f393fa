// Prints how long one paint of a bar gauge takes: the battery gauge of the main window and a
// default-sized 300 x 28 gradient gauge with grid and value text.
#include "window/controls/ProgBar.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

void SetBatteryGauge(TProgBar& g)
{
    g.resize(67, 22);
    g.setMax(7);
    g.setDirection(pbdLeftward);
    g.setShowColorGradient(true);
    g.setColorMapMode(cgmStretch);
    g.setColorMin(clLime);
    g.setColorMax(clLime);
    g.setColorBackGnd(0x1B192C);
    g.setColorGrid(clBlack);
    g.setColorMargin(clBlack);
    g.setGridDist(10);
    g.setMarginLeft(1);
    g.setMarginTop(1);
    g.setMarginRight(1);
    g.setMarginBottom(1);
    g.setFrameStyleOuter(fsRaised);
    g.setFrameStyleInner(fsRaised);
    g.setTextVisible(false);
}

void SetGradientGauge(TProgBar& g, TColorMapping mode)
{
    g.setShowColorGradient(true);
    g.setColorMapMode(mode);
    g.setGridDist(10);
    g.setTextDecPlaces(1);
    g.setTextPosX(150);
    g.setTextPosY(14);
}

// Paints `paints` times with the value stepping through the range; returns µs per paint.
double TimePaints(TProgBar& g, int paints)
{
    const double range = g.Max() - g.Min();
    QElapsedTimer timer;
    timer.start();
    qint64 checksum = 0;
    for (int i = 0; i < paints; ++i) {
        g.setValue(g.Min() + range * (i % 101) / 100.0);
        checksum += g.Render().pixel(g.width() / 2, g.height() / 2);
    }
    const double us = timer.nsecsElapsed() / 1000.0 / paints;
    if (checksum == 42)
        std::puts(""); // keeps the renders from being optimised away
    return us;
}

void Report(const char* name, const std::function<void(TProgBar&)>& setup, int paints)
{
    TProgBar g;
    setup(g);
    TimePaints(g, paints / 10); // warm up
    std::printf("%-44s %5dx%-3d %8.1f us per paint (%d paints)\n", name, g.width(), g.height(),
                TimePaints(g, paints), paints);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int paints = 20000;
    Report("battery gauge (leftward, grid 10, no text)", SetBatteryGauge, paints);
    Report("gradient gauge, cgmStretch, grid, text",
           [](TProgBar& g) { SetGradientGauge(g, cgmStretch); }, paints);
    Report("gradient gauge, cgmMove, grid, text",
           [](TProgBar& g) { SetGradientGauge(g, cgmMove); }, paints);
    Report("gradient gauge, cgmCover, no text", [](TProgBar& g) {
        SetGradientGauge(g, cgmCover);
        g.setTextVisible(false);
    }, paints);
    return 0;
}
