// One frame of a busy match: advance, purge and render of a 1920 x 1080 world, against a plain
// QPainter that draws every sprite through its own transform. Prints the median frame times and
// their ratio at the end.
#include "spriteengine.h"
#include "units.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

const QSize screen(1920, 1080);
bool baseline = false; // draw every sprite through a transform, as a plain painter would

QImage dot(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 20, 20, 220));
    p.drawEllipse(QRectF(0, 0, size, size));
    return image;
}

// A shot pointing along +x, on a see-through or colour-keyed ground.
QImage shot(int w, int h, QColor colour, bool keyed)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(keyed ? QColor(255, 0, 255) : QColor(Qt::transparent));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPointF head[] = {
        {0, h * 0.3}, {w * 0.7, h * 0.3}, {double(w), h / 2.0}, {w * 0.7, h * 0.7}, {0, h * 0.7}};
    p.drawPolygon(head, 5);
    return image;
}

QImage block(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) & 255, (y * 5 + seed) & 255, 90));
    return image;
}

struct Pictures
{
    std::vector<ImagePtr> marks, shots, statics;
    ImagePtr background;

    Pictures()
    {
        for (int size : {4, 6, 8})
            marks.push_back(std::make_shared<ImageEntry>("bod", dot(size)));
        shots.push_back(std::make_shared<ImageEntry>("strela", shot(32, 8, Qt::yellow, false)));
        shots.push_back(std::make_shared<ImageEntry>("plamen", shot(16, 16, Qt::red, true), 0, 0,
                                                     true, qRgb(255, 0, 255)));
        shots.push_back(std::make_shared<ImageEntry>("axe", shot(32, 32, Qt::gray, false)));
        shots.push_back(std::make_shared<ImageEntry>("pulz", shot(64, 16, Qt::cyan, false)));
        shots.push_back(std::make_shared<ImageEntry>("ghost", shot(48, 48, Qt::white, false)));
        shots.push_back(std::make_shared<ImageEntry>("mine", shot(64, 64, Qt::green, false)));
        statics.push_back(std::make_shared<ImageEntry>("wall", block(128, 128, 1)));
        statics.push_back(std::make_shared<ImageEntry>("rock", block(200, 100, 2)));
        statics.push_back(std::make_shared<ImageEntry>("tower", block(256, 256, 3)));
        background = std::make_shared<ImageEntry>("back", block(256, 256, 4));
    }
};

const Pictures &pictures()
{
    static Pictures instance;
    return instance;
}

// The picture turned about the rectangle's centre through a transform set up for this sprite,
// sampled as smoothly as the engine's prepared pictures are.
void drawThroughTransform(QPainter &p, const TImageSpriteEx &s)
{
    if (!s.image || s.alpha <= 0)
        return;
    const QRect r = s.boundsRect();
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate((r.left() + r.left() + s.width) / 2, (r.top() + r.top() + s.height) / 2);
    p.rotate((s.angle & 0xff) * 360.0 / 256.0);
    p.setOpacity(std::min(s.alpha, 255) / 255.0);
    p.drawImage(QRectF(-s.width / 2.0, -s.height / 2.0, s.width, s.height), s.image->picture(),
                s.image->patternRect(0));
    p.restore();
}

class Piece : public TImageSpriteEx
{
public:
    Piece(TSpriteEngine &engine, ImagePtr picture) : TImageSpriteEx(engine)
    {
        image = std::move(picture);
        width = image->width();
        height = image->height();
    }
    void onDraw(QPainter &canvas) override
    {
        if (baseline)
            drawThroughTransform(canvas, *this);
        else
            TImageSpriteEx::onDraw(canvas);
    }
};

// Flies straight on, wrapping at the screen's edges; tests its collisions every move.
class Shot : public Piece
{
public:
    Shot(TSpriteEngine &engine, ImagePtr picture, int heading) : Piece(engine, std::move(picture))
    {
        angle = heading;
        setZ(2);
    }
    void onMove(int moveCount) override
    {
        collide();
        const QPointF d = directionOf(angle) * (moveCount * 0.4);
        x = std::fmod(x + d.x() + screen.width() + 64, screen.width() + 64.0) - 64;
        y = std::fmod(y + d.y() + screen.height() + 64, screen.height() + 64.0) - 64;
    }
    void onHit(TSprite &other) override { hits += other.width > 0; }
    int hits = 0;
};

// Fades, spins and drifts for its lifetime, testing its collisions every move.
class Mark : public Piece
{
public:
    Mark(TSpriteEngine &engine, ImagePtr picture, int life, int spin)
        : Piece(engine, std::move(picture)), lifetime(life), spinRate(spin)
    {
    }
    void onMove(int moveCount) override
    {
        collide();
        age += moveCount;
        alpha = 256 - Round(double(age) * 256 / lifetime);
        y += moveCount / 20.0;
        if (age > lifetime)
            kill();
        angle += spinRate;
    }
    void onHit(TSprite &) override { vx = -vx; }
    int age = 0;
    int lifetime;
    int spinRate;
    double vx = 0;
};

class Back : public TBackgroundSprite
{
public:
    explicit Back(TSpriteEngine &engine) : TBackgroundSprite(engine)
    {
        image = pictures().background;
        tiled = true;
        setZ(-2);
    }
    void onDraw(QPainter &canvas) override
    {
        if (!baseline) {
            TBackgroundSprite::onDraw(canvas);
            return;
        }
        for (int y = 0; y < screen.height(); y += image->height())
            for (int x = 0; x < screen.width(); x += image->width())
                canvas.drawImage(QPoint(x, y), image->picture());
    }
};

// Keeps the world at its size: replaces the marks that faded out.
class Spawner : public TSprite
{
public:
    Spawner(TSpriteEngine &engine, int marks) : TSprite(engine), wanted(marks)
    {
        collides = false;
        visible = false;
    }
    void onMove(int) override
    {
        int alive = 0;
        for (TSprite *s : engine().sprites())
            alive += !s->dead() && dynamic_cast<Mark *>(s) != nullptr;
        for (; alive < wanted; ++alive)
            makeMark();
    }
    void makeMark()
    {
        const auto &marks = pictures().marks;
        auto *m = engine().create<Mark>(marks[random() % marks.size()], 400 + int(random() % 1200),
                                        int(random() % 9) - 4);
        m->x = random() % screen.width();
        m->y = random() % screen.height();
        m->age = int(random() % 400);
    }
    int wanted;
    std::mt19937 random{12345};
};

// A match-like world of `total` sprites: the background, a few large static sprites, shots and
// marks.
void build(TSpriteEngine &engine, int total)
{
    std::mt19937 random(777);
    engine.create<Back>();
    const int statics = 8;
    const int shots = total * 2 / 5;
    const int marks = total - statics - shots - 2;
    for (int i = 0; i < statics; ++i) {
        auto *s = engine.create<Piece>(pictures().statics[i % 3]);
        s->x = (i * 240) % (screen.width() - 256);
        s->y = (i * 130) % (screen.height() - 256);
        s->alpha = 256;
        s->setZ(2);
    }
    for (int i = 0; i < shots; ++i) {
        const auto &kinds = pictures().shots;
        auto *s = engine.create<Shot>(kinds[i % kinds.size()], int(random() % 256));
        s->x = random() % screen.width();
        s->y = random() % screen.height();
    }
    auto *spawner = engine.create<Spawner>(marks);
    for (int i = 0; i < marks; ++i)
        spawner->makeMark();
}

std::map<std::string, double> medians;

void runFrames(benchmark::State &state, bool transformEverySprite)
{
    baseline = transformEverySprite;
    TSpriteEngine engine(screen);
    build(engine, int(state.range(0)));
    auto frame = [&] {
        engine.advance(16);
        engine.purge();
        engine.render();
    };
    for (int i = 0; i < 60; ++i)
        frame(); // every angle a mark turns through is seen once, as in a running match
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        frame();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    const double median = times.empty() ? 0 : times[times.size() / 2];
    state.counters["median_ms"] = median;
    state.counters["sprites"] = engine.spriteCount();
    state.counters["drawn"] = engine.drawCount();
    medians[(transformEverySprite ? "BM_FrameBaseline/" : "BM_Frame/") +
            std::to_string(state.range(0))] = median;
    baseline = false;
}

void BM_Frame(benchmark::State &state)
{
    runFrames(state, false);
}

void BM_FrameBaseline(benchmark::State &state)
{
    runFrames(state, true);
}

} // namespace

BENCHMARK(BM_Frame)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameBaseline)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto &[name, median] : medians)
        std::printf("%-24s median %.3f ms per frame\n", name.c_str(), median);
    for (const char *n : {"500", "2000"}) {
        const auto ours = medians.find(std::string("BM_Frame/") + n);
        const auto plain = medians.find(std::string("BM_FrameBaseline/") + n);
        if (ours != medians.end() && plain != medians.end() && ours->second > 0)
            std::printf("%s sprites: baseline / engine = %.2fx\n", n, plain->second / ours->second);
    }
    return 0;
}
