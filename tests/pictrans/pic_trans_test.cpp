#include "pictrans/pic_trans.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "pictrans/frame_pictures.h"

namespace saverkit {
namespace {

// A host without a window: time moves one millisecond per message pump, painting is done at
// once, and a worker's request is served by the test's own loop.
class FakeHost : public PicTransHost {
 public:
  TCustomPic_Trans* control = nullptr;
  std::vector<Rect> invalidated;
  int updates = 0;
  uint32_t now = 1000;
  std::function<void()> onMessages;
  std::atomic<bool> woken{false};

  void InvalidateParent(const Rect& r) override { invalidated.push_back(r); }
  void Update() override {
    ++updates;
    if (control) control->PaintControl();
  }
  void ProcessMessages() override {
    ++now;
    if (onMessages) onMessages();
  }
  uint32_t TickCount() override { return now; }
  void WakeMainThread() override { woken = true; }
};

class PicTransTest : public ::testing::Test {
 protected:
  PicTransTest() : control(host) {
    host.control = &control;
    control.SetThreaded(false);
    control.SetDelay(0);
    control.SetColor(kOldColour);
    control.OnComplete = [this](TCustomPic_Trans&) { ++completions; };
    control.OnProgress = [this](TCustomPic_Trans& c) { progressSeen.push_back(c.Progress()); };
  }

  // Shows `old` instantly, so that the next transition starts from it.
  void ShowFirst(const Bitmap& old) {
    control.SetPicture(&old);
    const TShowStyle style = control.Style();
    const uint16_t step = control.Step();
    control.SetStyle(0);
    control.SetStep(100);
    control.Execute();
    control.SetStyle(style);
    control.SetStep(step);
    control.PaintControl();
    completions = 0;
    progressSeen.clear();
  }

  FakeHost host;
  TCustomPic_Trans control;
  int completions = 0;
  std::vector<int> progressSeen;
};

TEST_F(PicTransTest, StepIsClampedToOneAndHundred) {
  const struct {
    uint16_t written, kept;
  } cases[] = {{0, 1}, {1, 1}, {37, 37}, {100, 100}, {250, 100}};
  for (const auto& c : cases) {
    control.SetStep(c.written);
    EXPECT_EQ(control.Step(), c.kept) << c.written;
  }
}

TEST_F(PicTransTest, ExecuteWithoutPictureOrWhileBusyIsIgnored) {
  control.Execute();
  EXPECT_FALSE(control.Busy());

  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetManual(true);
  control.Execute();
  ASSERT_TRUE(control.Busy());
  control.SetProgress(60);
  control.Execute();  // ignored: the run keeps its progress
  EXPECT_EQ(control.Progress(), 60);
}

TEST_F(PicTransTest, ManualRunShowsTheWrittenProgressAndEndsOnlyThroughStop) {
  ShowFirst(Bitmap(40, 20, kOldColour));
  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetStyle(5);  // wipe from the left
  control.SetManual(true);
  control.Execute();
  ASSERT_TRUE(control.Busy());
  EXPECT_EQ(control.Progress(), 0);

  control.SetProgress(50);
  EXPECT_TRUE(IsNew(control.Screen().Pixel(19, 5)));
  EXPECT_EQ(control.Screen().Pixel(20, 5), kOldColour);

  control.SetProgress(100);
  EXPECT_TRUE(control.Busy());
  EXPECT_EQ(completions, 0);
  control.Stop();
  EXPECT_FALSE(control.Busy());
  EXPECT_EQ(completions, 0);
  EXPECT_TRUE(control.Screen().SamePixels(pic));  // the last frame stays
}

TEST_F(PicTransTest, ARunComposesFromThePictureHandedOverAndKeepsItWhenANewOneComes) {
  ShowFirst(Bitmap(40, 20, kOldColour));
  Bitmap pic = CoordinatePicture(40, 20);
  const Bitmap expected = pic.Clone();
  const uint8_t* pixels = pic.Data();
  const uint8_t* composedFrom = nullptr;
  control.OnAfterNewFrame = [&](TCustomPic_Trans&, const Bitmap& picture, Bitmap&) { composedFrom = picture.Data(); };
  control.SetPicture(std::move(pic));
  EXPECT_EQ(control.Picture().Data(), pixels) << "taken over, not copied";
  control.SetStyle(5);
  control.SetManual(true);
  control.Execute();
  control.SetProgress(50);
  EXPECT_EQ(composedFrom, pixels) << "the run reads the control's picture, not a copy of it";

  control.SetPicture(Bitmap(40, 20, kOldColour));
  control.SetProgress(100);
  EXPECT_EQ(composedFrom, pixels);
  EXPECT_TRUE(control.Screen().SamePixels(expected)) << "the run ends on the picture it started with";
  control.Stop();
  EXPECT_EQ(control.Picture().Pixel(0, 0), kOldColour);
}

TEST_F(PicTransTest, ProgressWritesOutsideARunOrOfTheSameValueDoNothing) {
  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetProgress(30);
  EXPECT_EQ(control.Progress(), 0);
  control.SetManual(true);
  control.Execute();
  control.SetProgress(30);
  progressSeen.clear();
  control.SetProgress(30);
  control.SetProgress(130);  // clamped to 100
  EXPECT_EQ(progressSeen, (std::vector<int>{100}));
}

TEST_F(PicTransTest, LoweringProgressInvalidatesTheWholePicture) {
  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetBounds(7, 9, 40, 20);
  control.SetManual(true);
  control.Execute();
  control.SetProgress(80);
  host.invalidated.clear();
  control.SetProgress(30);
  ASSERT_FALSE(host.invalidated.empty());
  EXPECT_EQ(host.invalidated.front(), (Rect{7, 9, 47, 29}));
}

TEST_F(PicTransTest, ForwardRunStepsToTheEndAndCompletesOnce) {
  ShowFirst(Bitmap(40, 20, kOldColour));
  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetStep(30);
  control.Execute();
  EXPECT_FALSE(control.Busy());
  // The previous run ended at 100, so preparing this one moves back to 0 first.
  EXPECT_EQ(progressSeen, (std::vector<int>{0, 30, 60, 90, 100}));
  EXPECT_EQ(completions, 1);
  EXPECT_TRUE(control.Screen().SamePixels(pic));
}

TEST_F(PicTransTest, ReverseRunStartsWithTheNewPictureAndEndsAtTheOldContent) {
  const Bitmap old = Bitmap(40, 20, kOldColour);
  ShowFirst(old);
  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetReverse(true);
  control.SetStep(40);
  control.Execute();
  // Progress is already 100 from the previous run, so the first step is the first new frame.
  EXPECT_EQ(progressSeen, (std::vector<int>{60, 20, 0}));
  EXPECT_EQ(completions, 1);
  EXPECT_TRUE(control.Screen().SamePixels(old));
}

TEST_F(PicTransTest, StopFromAMessageEndsTheLoopAfterTheCurrentFrame) {
  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetStep(10);
  control.SetDelay(5);
  host.onMessages = [&] {
    if (control.Progress() >= 50) control.Stop();
  };
  control.Execute();
  EXPECT_FALSE(control.Busy());
  EXPECT_EQ(control.Progress(), 50);
  EXPECT_EQ(completions, 0);
}

TEST_F(PicTransTest, SwitchingToManualInsideTheLoopPausesAndResumes) {
  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetStep(25);
  host.onMessages = [&] {
    if (control.Progress() == 50) control.SetManual(true);
  };
  control.Execute();
  EXPECT_TRUE(control.Busy());
  EXPECT_EQ(control.Progress(), 50);
  host.onMessages = nullptr;
  control.SetManual(false);  // automatic stepping continues from 50
  EXPECT_FALSE(control.Busy());
  EXPECT_EQ(progressSeen, (std::vector<int>{25, 50, 75, 100}));
  EXPECT_EQ(completions, 1);
}

TEST_F(PicTransTest, InstantEffectEndsTheRunInOneFrameBothWays) {
  const Bitmap old = Bitmap(30, 30, kOldColour);
  ShowFirst(old);
  const Bitmap pic = CoordinatePicture(30, 30);
  control.SetPicture(&pic);
  control.SetStyle(0);
  control.SetStep(1);
  control.Execute();
  EXPECT_EQ(progressSeen, (std::vector<int>{100}));
  EXPECT_EQ(completions, 1);

  // Reverse: the run must end at 0 with the old content, not climb back to 100 for ever.
  control.SetPicture(&pic);
  control.SetReverse(true);
  progressSeen.clear();
  control.Execute();
  EXPECT_FALSE(control.Busy());
  EXPECT_EQ(control.Progress(), 0);
  EXPECT_EQ(completions, 2);
}

TEST_F(PicTransTest, StyleAboveTheTableLeavesTheOldPictureButStillRunsToItsEnd) {
  const Bitmap old = Bitmap(30, 20, kOldColour);
  ShowFirst(old);
  const Bitmap pic = CoordinatePicture(30, 20);
  control.SetPicture(&pic);
  control.SetStyle(200);
  control.SetStep(50);
  int afterFrames = 0;
  control.OnAfterNewFrame = [&](TCustomPic_Trans&, const Bitmap&, Bitmap&) { ++afterFrames; };
  host.invalidated.clear();
  control.Execute();
  EXPECT_EQ(afterFrames, 0);
  // Only preparing the run (from 100 back to 0) invalidates, never a frame.
  EXPECT_EQ(host.invalidated, (std::vector<Rect>{{0, 0, 30, 20}}));
  EXPECT_TRUE(control.Screen().SamePixels(old));
  EXPECT_EQ(completions, 1);
}

TEST_F(PicTransTest, CrossFadeFramesEachStartFromTheOldPictureAndShowWhatABeforeFrameHandlerDrew) {
  const Rgb old{100, 0, 255}, fresh{200, 200, 0}, drawn{0, 100, 50};
  const Bitmap pic(30, 20, fresh);
  const auto blend = [](Rgb under, Rgb over, int p) {
    const auto channel = [p](int u, int o) { return uint8_t(u * (100 - p) / 100 + p * o / 100); };
    return Rgb{channel(under.r, over.r), channel(under.g, over.g), channel(under.b, over.b)};
  };
  for (const bool withHandler : {false, true}) {
    ShowFirst(Bitmap(30, 20, old));
    control.OnBeforeNewFrame = nullptr;
    if (withHandler)
      control.OnBeforeNewFrame = [&](TCustomPic_Trans&, const Bitmap&, Bitmap& screen) {
        screen.SetPixel(0, 0, drawn);
      };
    control.SetPicture(&pic);
    control.SetStyle(118);
    control.SetManual(true);
    control.Execute();
    // Up, down and back to the start: no frame builds on the one before.
    for (const int p : {50, 80, 20, 0}) {
      control.SetProgress(p);
      EXPECT_EQ(control.Screen().Pixel(29, 19), blend(old, fresh, p)) << p << " handler " << withHandler;
      EXPECT_EQ(control.Screen().Pixel(0, 0), blend(withHandler ? drawn : old, fresh, p)) << p;
    }
    control.Stop();
    control.SetManual(false);
  }
}

TEST_F(PicTransTest, ThreadedRunStepsOnTheOwnerThread) {
  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetThreaded(true);
  control.SetStep(20);
  control.SetDelay(1);
  std::vector<std::thread::id> stepThreads;
  control.OnProgress = [&](TCustomPic_Trans&) { stepThreads.push_back(std::this_thread::get_id()); };
  control.Execute();
  EXPECT_TRUE(control.Busy());  // returns at once
  // The owner's message loop: serve the worker's calls until the run has completed.
  for (int spins = 0; control.Busy() && spins < 200000; ++spins) {
    if (host.woken.exchange(false)) control.RunSynchronizedCalls();
    std::this_thread::yield();
  }
  EXPECT_FALSE(control.Busy());
  EXPECT_EQ(completions, 1);
  ASSERT_EQ(stepThreads.size(), 5u);
  for (const auto& id : stepThreads) EXPECT_EQ(id, std::this_thread::get_id());
}

TEST_F(PicTransTest, StopEndsAThreadedRunWithoutCompleting) {
  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetThreaded(true);
  control.SetStep(1);
  control.SetDelay(1000);
  control.Execute();
  for (int spins = 0; control.Progress() == 0 && spins < 200000; ++spins) {
    if (host.woken.exchange(false)) control.RunSynchronizedCalls();
    std::this_thread::yield();
  }
  control.Stop();  // the worker is asleep for a second; Stop cuts that short
  EXPECT_FALSE(control.Busy());
  EXPECT_EQ(completions, 0);
  EXPECT_EQ(control.Progress(), 1);
}

TEST_F(PicTransTest, StopAfterAThreadedRunWasSwitchedToManualEndsIt) {
  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetThreaded(true);
  control.SetManual(true);
  control.Execute();
  control.SetManual(false);  // starts a worker
  control.SetManual(true);   // which then ends without completing the run
  for (int spins = 0; spins < 20000; ++spins) {
    if (host.woken.exchange(false)) control.RunSynchronizedCalls();
    std::this_thread::yield();
  }
  EXPECT_TRUE(control.Busy());
  control.Stop();
  EXPECT_FALSE(control.Busy());
  EXPECT_EQ(completions, 0);
}

TEST_F(PicTransTest, ResumingAThreadedRunRightAfterPausingItNeitherHangsNorCompletesTwice) {
  const Bitmap pic = CoordinatePicture(40, 20);
  control.SetPicture(&pic);
  control.SetThreaded(true);
  control.SetStep(10);
  control.SetDelay(1);
  control.SetManual(true);
  control.Execute();
  for (int round = 0; round < 5; ++round) {
    control.SetManual(false);  // a worker starts
    control.SetManual(true);   // and is told to end, possibly before it has stepped
  }
  control.SetManual(false);  // the previous worker's last calls are served, then a new one runs
  for (int spins = 0; control.Busy() && spins < 2000000; ++spins) {
    if (host.woken.exchange(false)) control.RunSynchronizedCalls();
    std::this_thread::yield();
  }
  EXPECT_FALSE(control.Busy());
  EXPECT_EQ(control.Progress(), 100);
  EXPECT_EQ(completions, 1);
}

TEST_F(PicTransTest, TiledBackgroundLargerThanTheControlDrawsOneTileAtTheCorner) {
  const Bitmap background = CoordinatePicture(300, 250);
  control.SetBounds(0, 0, 100, 80);
  control.SetBgPicture(&background);
  const Bitmap& painted = control.PaintControl();
  ASSERT_EQ(painted.Width(), 100);
  EXPECT_EQ(painted.Pixel(0, 0), background.Pixel(0, 0));
  EXPECT_EQ(painted.Pixel(99, 79), background.Pixel(99, 79));

  // A small background repeats, overhanging the right and bottom.
  const Bitmap tile = CoordinatePicture(30, 50);
  control.SetBgPicture(&tile);
  const Bitmap& tiled = control.PaintControl();
  EXPECT_EQ(tiled.Pixel(95, 70), tile.Pixel(5, 20));
}

TEST_F(PicTransTest, CentredPictureLargerThanTheControlClipsInvalidation) {
  control.SetAutoSize(false);
  control.SetBounds(10, 10, 60, 40);
  control.SetCenter(true);
  const Bitmap pic = CoordinatePicture(100, 80);
  control.SetPicture(&pic);
  control.SetManual(true);
  control.Execute();
  EXPECT_EQ(control.PicRect(), (Rect{-20, -20, 80, 60}));
  host.invalidated.clear();
  control.SetProgress(50);
  for (const Rect& r : host.invalidated) {
    EXPECT_GE(r.left, 10 - 20);
    EXPECT_LE(r.right, 10 + 80);
  }
  // The painted client area shows the picture's centre.
  EXPECT_EQ(control.PaintControl().Pixel(30, 20), control.Screen().Pixel(50, 40));
}

TEST_F(PicTransTest, SnapshotTakesTheLastPaintedAreaStretched) {
  const Bitmap old = CoordinatePicture(40, 20);
  ShowFirst(old);
  control.SetAutoSize(false);
  control.SetStretch(true);
  control.PaintControl();
  // A picture of another size: the snapshot is the whole client area fitted to its size.
  const Bitmap pic(20, 10, Rgb{1, 2, 3});
  control.SetPicture(&pic);
  control.SetManual(true);
  control.Execute();
  control.SetStyle(5);
  control.SetProgress(1);  // dx = 0: the frame is the snapshot
  EXPECT_EQ(control.Screen().Pixel(0, 0), old.Pixel(1, 1));
  EXPECT_EQ(control.Screen().Pixel(19, 9), old.Pixel(39, 19));
}

TEST_F(PicTransTest, PrepareKeepsTheLastFrameWhereTheNewSizeCoversIt) {
  const Bitmap old = CoordinatePicture(40, 20);
  ShowFirst(old);
  control.SetManual(true);  // progress 0 without a frame: what a paint shows before the first step
  const Bitmap pic(60, 10, Rgb{1, 2, 3});
  control.SetPicture(&pic);
  control.Execute();
  ASSERT_EQ(control.Screen().Width(), 60);
  EXPECT_EQ(control.Screen().Pixel(0, 0), old.Pixel(0, 0));
  EXPECT_EQ(control.Screen().Pixel(39, 9), old.Pixel(39, 9));
  EXPECT_EQ(control.Screen().Pixel(50, 5), kOldColour) << "new area in the control's colour";
  control.Stop();
}

TEST_F(PicTransTest, AControlBeingDestroyedCallsNoHandlerForItsWorkersLastStep) {
  auto dying = std::make_unique<TCustomPic_Trans>(host);
  int handlerCalls = 0;
  const Bitmap pic = CoordinatePicture(40, 20);
  dying->SetPicture(&pic);
  dying->SetStep(1);
  dying->SetDelay(0);
  dying->SetStyle(0);  // OnCustomDraw draws the frames
  dying->OnBeforeNewFrame = [&](TCustomPic_Trans&, const Bitmap&, Bitmap&) { ++handlerCalls; };
  dying->OnCustomDraw = [&](TCustomPic_Trans&, const Bitmap&, Bitmap&) { ++handlerCalls; };
  dying->OnAfterNewFrame = [&](TCustomPic_Trans&, const Bitmap&, Bitmap&) { ++handlerCalls; };
  dying->OnProgress = [&](TCustomPic_Trans&) { ++handlerCalls; };
  dying->OnComplete = [&](TCustomPic_Trans&) { ++handlerCalls; };
  host.control = dying.get();
  dying->Execute();
  // Serve the first step, then let the worker wait with its next one while the control goes.
  for (int spins = 0; handlerCalls == 0 && spins < 200000; ++spins) {
    if (host.woken.exchange(false)) dying->RunSynchronizedCalls();
    std::this_thread::yield();
  }
  ASSERT_GT(handlerCalls, 0);
  for (int spins = 0; !host.woken && spins < 200000; ++spins) std::this_thread::yield();
  const int callsBefore = handlerCalls;
  host.control = nullptr;
  dying.reset();
  EXPECT_EQ(handlerCalls, callsBefore);
}

TEST_F(PicTransTest, MouseEntersAndLeavesTheControlsBounds) {
  control.SetBounds(10, 10, 40, 20);
  std::vector<std::string> events;
  control.OnMouseEnter = [&](TCustomPic_Trans&) { events.push_back("enter"); };
  control.OnMouseLeave = [&](TCustomPic_Trans&) { events.push_back("leave"); };
  control.MouseAt(0, 0);
  control.MouseAt(10, 10);
  control.MouseAt(49, 29);
  control.MouseAt(50, 20);
  control.MouseAt(20, 20);
  control.MouseGone();
  control.MouseGone();
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave", "enter", "leave"}));
}

}  // namespace
}  // namespace saverkit
