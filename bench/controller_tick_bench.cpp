// The controller's 10 ms tick with a recording view: on a tapping point (the common case) and on
// the tick that changes the step.
#include <benchmark/benchmark.h>

#include "fixtures/fake_session_view.h"
#include "fixtures/fake_speaker.h"
#include "session/session_controller.h"
#include "speech/spoken_guidance.h"

using namespace mindrova;

namespace {

// A session on the first point of round 1, timer running.
struct RunningSession {
    testing::FakeSessionView view;
    SessionController controller{view};
    RunningSession() {
        controller.StartSession();
        controller.Form_Activate();
        for (int i = 0; i < 6; ++i) controller.Next();
    }
};

// Ticks without pause: the session walks its rounds, so one tick in 200 changes the point.
void BM_TickOnTappingPoint(benchmark::State& state) {
    RunningSession s;
    for (auto _ : state) s.controller.tmrSteps_Timer();
    state.counters["round"] = s.controller.State().glngRoundCount;
}
BENCHMARK(BM_TickOnTappingPoint);

// The step change a due tick makes: successor, length, blink reset, display, timer.
void BM_StepChange(benchmark::State& state) {
    RunningSession s;
    for (auto _ : state) {
        const SessionState& st = s.controller.State();
        s.controller.ProcessSteps(st.genmCurrentStep, st.glngStepLength, true, false);
        if (s.view.displayed.size() > 4096) s.view.displayed.clear();
    }
}
BENCHMARK(BM_StepChange);

// The same session with spoken guidance on and a recording speaker: a step change also picks
// and times the point's phrase line.
struct GuidedSession : RunningSession {
    testing::FakeSpeaker* speaker = nullptr;
    SpokenGuidance guidance{controller.State(), [this] {
                                auto made = std::make_unique<testing::FakeSpeaker>();
                                speaker = made.get();
                                return std::unique_ptr<Speaker>(std::move(made));
                            }};
    GuidedSession() {
        controller.AddListener(&guidance);
        guidance.SetEnabled(true);
    }
    void Trim() {
        if (speaker->calls.size() > 4096) {
            speaker->calls.clear();
            speaker->said.clear();
        }
        if (view.displayed.size() > 4096) view.displayed.clear();
    }
};

void BM_TickOnTappingPointWithGuidance(benchmark::State& state) {
    GuidedSession s;
    for (auto _ : state) {
        s.controller.tmrSteps_Timer();
        s.Trim();
    }
    state.counters["round"] = s.controller.State().glngRoundCount;
}
BENCHMARK(BM_TickOnTappingPointWithGuidance);

void BM_StepChangeWithGuidance(benchmark::State& state) {
    GuidedSession s;
    for (auto _ : state) {
        const SessionState& st = s.controller.State();
        s.controller.ProcessSteps(st.genmCurrentStep, st.glngStepLength, true, false);
        s.Trim();
    }
}
BENCHMARK(BM_StepChangeWithGuidance);

}  // namespace

BENCHMARK_MAIN();
