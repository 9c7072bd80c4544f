// libFuzzer target: bytes become clicks and key presses for the exercise. Beyond the
// sanitizers it checks that the state, the label and the picture stay in step.
#include "exercise/fendrel.h"
#include "runtime/virtualkeys.h"

#include <optional>
#include <string>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

struct Box {
    int x1, y1, x2, y2;
};

// Keeps only what the checks need, so that a million presses per input stay cheap.
class LayerSurface final : public WindowSurface {
public:
    void AutoRedraw(bool persistent) override { m_autoRedraw = persistent; }
    RasterMode DrawMode() const override { return m_mode; }
    void DrawMode(RasterMode mode) override { m_mode = mode; }
    void Cls() override
    {
        transient = 0;
        post.reset();
        if (m_autoRedraw)
            persistent = 0;
    }
    void Line(Integer x1, Integer y1, Integer x2, Integer y2, Colour) override
    {
        if (m_autoRedraw) {
            ++persistent;
        } else {
            ++transient;
            post = Box{x1.value(), y1.value(), x2.value(), y2.value()};
        }
    }
    int persistent = 0;
    int transient = 0;
    std::optional<Box> post;

private:
    bool m_autoRedraw = false;
    RasterMode m_mode = RasterMode::CopyPen;
};

class PlainLabel final : public DisplayLabel {
public:
    std::string Caption() const override { return caption; }
    void Caption(const std::string& text) override { caption = text; }
    void Visible(bool shown) override { visible = shown; }
    void ForeColor(Colour) override {}
    std::string caption;
    bool visible = false;
};

// Hands out values taken from the input, so the fuzzer also steers the places.
class BytesRandom final : public RandomSource {
public:
    BytesRandom(const std::uint8_t*& data, const std::uint8_t* end) : m_data(data), m_end(end) {}
    void randomize() override {}
    float next() override
    {
        std::uint32_t bits = 0;
        for (int i = 0; i < 3 && m_data < m_end; ++i)
            bits = bits << 8 | *m_data++;
        return static_cast<float>(bits & 0xFFFFFF) / 16777216.0f;
    }

private:
    const std::uint8_t*& m_data;
    const std::uint8_t* m_end;
};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkInvariants(const Fendrel& fendrel, const LayerSurface& surface, const PlainLabel& label)
{
    check(label.visible == !fendrel.Running);
    check(fendrel.PostX >= Fendrel::minPostX && fendrel.PostX <= Fendrel::maxPostX);
    check(fendrel.PostY >= Fendrel::minPostY && fendrel.PostY <= Fendrel::maxPostY);
    if (fendrel.Running) {
        check(fendrel.Attempt >= 1 && fendrel.Attempt <= 20);
        check(surface.persistent == 3 && surface.transient == 1 && surface.post);
        check(surface.post->x1 == fendrel.PostX.value() && surface.post->y1 == fendrel.PostY.value());
        check(surface.post->x2 - surface.post->x1 == 200 - 6 * fendrel.Attempt.value());
    } else {
        check(surface.persistent == 0 && surface.transient == 0);
        check(label.caption.starts_with("Zum Starten hier klicken []"));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::uint8_t* end = data + size;
    LayerSurface surface;
    PlainLabel label;
    BytesRandom random(data, end);
    Fendrel fendrel(surface, label, random);
    fendrel.Form_Load();

    static const int actionKeys[] = {VirtualKey::Left, VirtualKey::Right, VirtualKey::Up, VirtualKey::Down,
                                     VirtualKey::Return};
    while (data < end) {
        const std::uint8_t byte = *data++;
        // Low three bits: what happens; the next four: how often an arrow key is
        // pressed, 1 to 32768 times, enough to reach any limit.
        const int action = byte & 7;
        const int repeats = action < 4 ? 1 << ((byte >> 3) & 15) : 1;
        for (int i = 0; i < repeats; ++i) {
            if (action < 5)
                fendrel.Form_KeyDown(actionKeys[action], 0);
            else if (action == 5)
                fendrel.Form_Click();
            else if (action == 6)
                label.visible ? fendrel.AnzeigeLbl_Click() : fendrel.Form_Click();
            else
                fendrel.Form_KeyDown(data < end ? *data++ : 0, 0);
        }
        checkInvariants(fendrel, surface, label);
    }
    return 0;
}
