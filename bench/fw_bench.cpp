#include <benchmark/benchmark.h>

#include <string>

#include "fw/controls/graphic_control.h"
#include "fw/forms/application.h"
#include "fw/forms/form.h"
#include "plat/backend/headless/headless_desktop.h"
#include "plat/message_queue.h"
#include "plat/paint.h"
#include "plat/window.h"

namespace {

using namespace fw;

// The kinds of control the main window is made of: panels drawn by the framework, and windows
// of the platform's classes.
class Panel : public TWinControl {
    FW_CLASS(Panel, TWinControl)
public:
    explicit Panel(TComponent* owner) : TWinControl(owner)
    {
        SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
        SetColor(clBtnFace);
    }
};

template <const char* Platform>
class Wrapped : public TWinControl {
public:
    explicit Wrapped(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

protected:
    void CreateParams(TCreateParams& p) override
    {
        TWinControl::CreateParams(p);
        p.PlatformClass = Platform;
        p.WinClassName = std::string("Bench") + Platform;
    }
};
constexpr char kEdit[] = "Edit";
constexpr char kButton[] = "Button";
constexpr char kStatus[] = "msctls_statusbar32";
using Edit = Wrapped<kEdit>;
using Button = Wrapped<kButton>;
using StatusBar = Wrapped<kStatus>;

class Label : public TGraphicControl {
    FW_CLASS(Label, TGraphicControl)
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetStyle(bsClear);
        Canvas()->TextOut(0, 0, Caption());
    }
};

template <class T>
T* Add(TCustomForm* form, TWinControl* parent, int l, int t, int w, int h, const char* text = "")
{
    auto* c = new T(form);
    c->SetBounds(l, t, w, h);
    if (*text) c->SetCaption(text);
    c->SetParent(parent);
    return c;
}

// The main window's layout with 20 controls: the panels, the search box with its label, four
// buttons, the list and description areas, a status bar, and a row of labels and buttons.
TForm* MakeMainWindow(TApplication& app)
{
    auto* form = new TForm(&app);
    form->SetBounds(120, 80, 784, 533);
    form->SetCaption("Sentavia");
    auto* client = Add<Panel>(form, form, 0, 0, 0, 0);
    client->SetAlign(alClient);
    auto* status = Add<StatusBar>(form, client, 0, 0, 0, 19, "Sentavia reference");
    status->SetAlign(alBottom);
    auto* top = Add<Panel>(form, client, 0, 0, 0, 41);
    top->SetAlign(alTop);
    Add<Label>(form, top, 5, 2, 120, 13, "Search");
    Add<Edit>(form, top, 5, 16, 323, 21);
    Add<Button>(form, top, 597, 3, 83, 34, "About")->SetAnchors({akRight, akBottom});
    Add<Button>(form, top, 685, 3, 83, 34, "Close")->SetAnchors({akRight, akBottom});
    Add<Button>(form, top, 331, 4, 83, 34, "Find");
    Add<Button>(form, top, 418, 4, 83, 34, "Show all");
    auto* left = Add<Panel>(form, client, 0, 0, 264, 0);
    left->SetAlign(alLeft);
    auto* list = Add<Edit>(form, left, 0, 0, 0, 0);
    list->SetAlign(alClient);
    auto* right = Add<Panel>(form, client, 0, 0, 0, 0);
    right->SetAlign(alClient);
    auto* tools = Add<Panel>(form, right, 0, 0, 0, 30);
    tools->SetAlign(alTop);
    for (int i = 0; i < 4; ++i) Add<Label>(form, tools, 5 + 60 * i, 8, 55, 13, "Label");
    Add<Button>(form, tools, 250, 2, 75, 25, "Copy");
    Add<Button>(form, tools, 330, 2, 75, 25, "Print");
    auto* memo = Add<Edit>(form, right, 0, 0, 0, 0);
    memo->SetAlign(alClient);
    return form;
}

int CountWindows()
{
    int n = 0;
    plat::EnumWindows([&](plat::HWND w) {
        ++n;
        plat::EnumChildWindows(w, [&](plat::HWND) {
            ++n;
            return true;
        });
        return true;
    });
    return n;
}

void PaintOnce(TForm* form)
{
    plat::RedrawWindow(form->Handle(), nullptr, {}, plat::RDW_INVALIDATE | plat::RDW_FRAME | plat::RDW_ERASE |
                                                        plat::RDW_ALLCHILDREN | plat::RDW_UPDATENOW);
}

// Creating, laying out and showing the main window, and painting it once.
void BM_FormCreateLayoutShowPaint(benchmark::State& state)
{
    plat::HeadlessDesktop desk;
    TApplication app;
    int before = CountWindows();
    for (auto _ : state) {
        TForm* form = MakeMainWindow(app);
        form->Show();
        PaintOnce(form);
        state.PauseTiming();
        state.counters["controls"] = double(form->ComponentCount());
        delete form;
        state.ResumeTiming();
    }
    state.counters["windows_left"] = double(CountWindows() - before);
}
BENCHMARK(BM_FormCreateLayoutShowPaint)->Unit(benchmark::kMicrosecond);

// Destroying it, with every window it made.
void BM_FormDestroy(benchmark::State& state)
{
    plat::HeadlessDesktop desk;
    TApplication app;
    int before = CountWindows();
    for (auto _ : state) {
        state.PauseTiming();
        TForm* form = MakeMainWindow(app);
        form->Show();
        PaintOnce(form);
        state.ResumeTiming();
        delete form;
    }
    state.counters["windows_left"] = double(CountWindows() - before);
    state.counters["components_left"] = double(app.ComponentCount() - 1);  // the screen stays
}
BENCHMARK(BM_FormDestroy)->Unit(benchmark::kMicrosecond);

// One message to a control's handler: through the window (procedure, WindowProc, Dispatch), with
// a hook in the WindowProc chain, and performed directly.
class Target : public Panel {
public:
    using Panel::Panel;
    int hits = 0;

protected:
    void Dispatch(TMessage& m) override
    {
        if (m.Msg == plat::WM_USER + 1) {
            ++hits;
            m.Result = hits;
            return;
        }
        Panel::Dispatch(m);
    }
};

struct Hook {
    TWndMethod saved;
    void Handle(TMessage& m) { saved(m); }
};

void BM_MessageToHandler(benchmark::State& state)
{
    plat::HeadlessDesktop desk;
    TApplication app;
    TForm form(nullptr);
    auto* target = new Target(&form);
    target->SetParent(&form);
    Hook hook;
    if (state.range(0) == 1) {
        hook.saved = target->WindowProc;
        target->WindowProc = BindWndMethod<&Hook::Handle>(&hook);
    }
    plat::HWND h = target->Handle();
    bool direct = state.range(0) == 2;
    for (auto _ : state) {
        plat::LRESULT r = direct ? target->Perform(plat::WM_USER + 1) : plat::SendMessage(h, plat::WM_USER + 1);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_MessageToHandler)->ArgName("0window_1hooked_2perform")->Arg(0)->Arg(1)->Arg(2);

}  // namespace
