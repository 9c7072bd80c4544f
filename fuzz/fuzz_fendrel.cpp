// SPDX-License-Identifier: MIT
// libFuzzer target: bytes become clicks and key presses for the exercise. Beyond the
// sanitizers it checks that the state, the label and the picture stay in step.
#include "exercise/fendrel.h"
#include "runtime/virtualkeys.h"
#include "view/drawinglayers.h"

#include <string>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

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

void checkInvariants(const Fendrel& fendrel, const DrawingLayers& layers, const PlainLabel& label)
{
    check(label.visible == !fendrel.Running);
    check(fendrel.PostX >= Fendrel::minPostX && fendrel.PostX <= Fendrel::maxPostX);
    check(fendrel.PostY >= Fendrel::minPostY && fendrel.PostY <= Fendrel::maxPostY);
    if (fendrel.Running) {
        check(fendrel.Attempt >= 1 && fendrel.Attempt <= 20);
        check(layers.persistent().size() == 3 && layers.transient().size() == 1);
        const Area& post = layers.transient().front().area;
        check(post.left == fendrel.PostX.value() && post.top == fendrel.PostY.value());
        check(post.width() == 200 - 6 * fendrel.Attempt.value());
    } else {
        check(layers.persistent().empty() && layers.transient().empty());
        check(label.caption.starts_with("Zum Starten hier klicken []"));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::uint8_t* end = data + size;
    DrawingLayers layers([](const Area&) {});
    PlainLabel label;
    BytesRandom random(data, end);
    Fendrel fendrel(layers, label, random, [] { return ","; });
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
        checkInvariants(fendrel, layers, label);
    }
    return 0;
}
