#include "plat/backend/headless/input_script.h"

#include "base/utf8.h"

namespace plat {

namespace {

InputScript::Step MakeStep(InputScript::Step::Kind kind)
{
    InputScript::Step s;
    s.kind = kind;
    return s;
}

}  // namespace

InputScript& InputScript::move(int x, int y)
{
    Step s = MakeStep(Step::Move);
    s.point = {x, y};
    pointer_ = s.point;
    steps_.push_back(std::move(s));
    return *this;
}

InputScript& InputScript::press(MouseButton b)
{
    Step s = MakeStep(Step::Button);
    s.point = pointer_;
    s.button = b;
    s.down = true;
    steps_.push_back(std::move(s));
    return *this;
}

InputScript& InputScript::release(MouseButton b)
{
    Step s = MakeStep(Step::Button);
    s.point = pointer_;
    s.button = b;
    s.down = false;
    steps_.push_back(std::move(s));
    return *this;
}

InputScript& InputScript::click(int x, int y, MouseButton b) { return move(x, y).press(b).release(b); }

InputScript& InputScript::doubleClick(int x, int y) { return click(x, y).click(x, y); }

InputScript& InputScript::drag(int fromX, int fromY, int toX, int toY)
{
    move(fromX, fromY).press();
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i) move(fromX + (toX - fromX) * i / kSteps, fromY + (toY - fromY) * i / kSteps);
    return release();
}

InputScript& InputScript::wheel(int delta)
{
    Step s = MakeStep(Step::Wheel);
    s.point = pointer_;
    s.amount = delta;
    steps_.push_back(std::move(s));
    return *this;
}

InputScript& InputScript::keyDown(UINT vk)
{
    Step s = MakeStep(Step::Key);
    s.amount = int(vk);
    s.down = true;
    steps_.push_back(std::move(s));
    return *this;
}

InputScript& InputScript::keyUp(UINT vk)
{
    Step s = MakeStep(Step::Key);
    s.amount = int(vk);
    s.down = false;
    steps_.push_back(std::move(s));
    return *this;
}

InputScript& InputScript::key(UINT vk) { return keyDown(vk).keyUp(vk); }

InputScript& InputScript::chord(UINT modifier, UINT vk) { return keyDown(modifier).key(vk).keyUp(modifier); }

InputScript& InputScript::type(std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size();) {
        base::DecodedCodePoint d = base::decodeUtf8(utf8, i);
        Step s = MakeStep(Step::Char);
        s.amount = int(d.codePoint);
        steps_.push_back(std::move(s));
        i += d.length ? d.length : 1;
    }
    return *this;
}

InputScript& InputScript::advance(std::uint64_t ms)
{
    Step s = MakeStep(Step::Advance);
    s.ms = ms;
    steps_.push_back(std::move(s));
    return *this;
}

InputScript& InputScript::call(std::function<void()> f)
{
    Step s = MakeStep(Step::Call);
    s.f = std::move(f);
    steps_.push_back(std::move(s));
    return *this;
}

}  // namespace plat
