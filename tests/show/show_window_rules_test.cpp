#include "show/show_window_rules.h"

#include <gtest/gtest.h>

#include "quiet_host.h"
#include "show_rig.h"

namespace saverkit {
namespace {

using testing::ShowRig;

// The window's default handling, when a test does not look at it.
intptr_t NoDefault() { return 0; }

void Activate(ShowRig& rig, int x, int y) {
  rig.input.cursor = {x, y};
  rig.rules->OnActivate(false, NoDefault);
}

void MoveTo(ShowRig& rig, int x, int y) {
  rig.input.cursor = {x, y};
  rig.rules->OnMouseMove();
}

TEST(MouseRule, FivePixelsPerMessageNeverEndAndSixDo) {
  ShowRig rig;
  rig.AddPictures(1);
  rig.Start();
  Activate(rig, 100, 100);
  for (int i = 1; i <= 200; ++i) MoveTo(rig, 100 + 5 * i, 100 + 5 * i);
  EXPECT_FALSE(rig.flags.ending);

  for (auto jump : {std::pair{6, 0}, std::pair{0, -6}}) {
    ShowRig fresh;
    fresh.AddPictures(1);
    fresh.Start();
    Activate(fresh, 100, 100);
    MoveTo(fresh, 100 + jump.first, 100 + jump.second);
    EXPECT_TRUE(fresh.flags.ending);
    EXPECT_EQ(fresh.input.closesPosted, 1);
  }
}

TEST(MouseRule, TheStartingReferenceEndsOnTheFirstMoveWithoutActivation) {
  ShowRig rig;
  rig.Start();
  MoveTo(rig, 2, 2);  // within five pixels of -1, -1
  EXPECT_FALSE(rig.flags.ending);
  MoveTo(rig, 500, 400);
  EXPECT_TRUE(rig.flags.ending);
}

TEST(MouseRule, AWrongPasswordKeepsTheShowAndReArmsAtTheCurrentPosition) {
  ShowRig rig;
  rig.AddPictures(2);
  rig.input.passwordRequested = true;
  rig.input.passwordAnswers = {false, true};
  rig.Start();
  Activate(rig, 100, 100);
  rig.sequencer->Advance(true);
  rig.input.whileAsking = [&] { rig.input.cursor = {400, 300}; };  // the user moves to the dialog
  MoveTo(rig, 120, 100);
  rig.input.whileAsking = nullptr;
  EXPECT_FALSE(rig.flags.ending);
  EXPECT_EQ(rig.input.passwordAsks, 1);
  EXPECT_TRUE(rig.window.timerRunning);
  EXPECT_EQ(rig.rules->Reference().x, 400);

  MoveTo(rig, 404, 303);
  EXPECT_EQ(rig.input.passwordAsks, 1);
  MoveTo(rig, 410, 303);
  EXPECT_EQ(rig.input.passwordAsks, 2);
  EXPECT_TRUE(rig.flags.ending);
}

TEST(PasswordCheck, InputDuringTheCheckNeitherAsksAgainNorEnds) {
  ShowRig rig;
  rig.input.passwordRequested = true;
  rig.input.passwordAnswers = {false};
  rig.Start();
  Activate(rig, 0, 0);
  rig.input.whileAsking = [&] {
    EXPECT_FALSE(rig.rules->VerifyPassword());
    rig.rules->OnButtonDown();
    rig.rules->OnKeyDown('X');
    MoveTo(rig, 900, 900);
    EXPECT_FALSE(rig.rules->OnActivate(true, NoDefault).passOn);
    EXPECT_FALSE(rig.rules->OnSysCommand(0xF060).passOn);
  };
  rig.rules->OnKeyDown(27);
  EXPECT_EQ(rig.input.passwordAsks, 1);
  EXPECT_FALSE(rig.flags.ending);
  EXPECT_FALSE(rig.flags.checkingPassword);
}

TEST(PasswordCheck, NotAskedWhenWindowsDoesNotWantOne) {
  ShowRig rig;
  rig.Start();
  EXPECT_TRUE(rig.rules->VerifyPassword());
  EXPECT_EQ(rig.input.passwordAsks, 0);
  EXPECT_FALSE(rig.flags.checkingPassword);
}

TEST(Keys, NavigationStepsOtherKeysEndTheShowOnly) {
  struct Case {
    uint32_t key;
    bool ends;
  };
  const Case cases[] = {{kVkBack, false}, {kVkPrior, false}, {kVkLeft, false}, {kVkUp, false},
                        {kVkSpace, false}, {kVkNext, false}, {kVkRight, false}, {kVkDown, false},
                        {27, true},       {'A', true},       {13, true},       {0x70, true}};
  for (bool preview : {false, true}) {
    for (const Case& c : cases) {
      ShowRig rig;
      rig.layout.preview = preview;
      rig.AddPictures(3);
      rig.Start();
      rig.rules->OnKeyDown(c.key);
      EXPECT_EQ(rig.flags.ending, c.ends && !preview) << "key " << c.key << " preview " << preview;
      EXPECT_EQ(rig.package.picturesLoaded.size(), c.ends ? 0u : 1u) << "key " << c.key;
    }
  }
}

TEST(Preview, MouseAndClicksNeverEndIt) {
  ShowRig rig;
  rig.layout.preview = true;
  rig.AddPictures(1);
  rig.Start();
  MoveTo(rig, 0, 0);
  MoveTo(rig, 900, 900);
  rig.rules->OnButtonDown();
  rig.rules->OnActivate(true, NoDefault);
  EXPECT_FALSE(rig.flags.ending);
  EXPECT_TRUE(rig.rules->FormCloseQuery());  // the host may close it any time
}

TEST(IgnoreMouseMove, OneIgnoresAllMovementTwoOnlyMovementOverMovies) {
  struct Case {
    uint8_t ignore;
    bool windowMoveEnds;
    bool movieMovesConnected;
  };
  const Case cases[] = {{0, true, true}, {1, false, false}, {2, true, false}};
  for (const Case& c : cases) {
    ShowRig rig;
    rig.package.items = {{testing::MovieRecord(1)}};
    rig.StartWithIgnoreMouseMove(c.ignore);
    rig.sequencer->Advance(true);
    ASSERT_NE(rig.window.lastMovie, nullptr);
    EXPECT_TRUE(rig.window.lastMovie->inputConnected);
    EXPECT_EQ(rig.window.lastMovie->mouseMovesConnected, c.movieMovesConnected) << int(c.ignore);
    Activate(rig, 10, 10);
    MoveTo(rig, 300, 300);
    EXPECT_EQ(rig.flags.ending, c.windowMoveEnds) << int(c.ignore);
    if (!c.windowMoveEnds) {
      rig.rules->FormDeactivate();  // a click on the movie still ends the show
      EXPECT_TRUE(rig.flags.ending);
    }
  }
}

TEST(ActivationMessages, EndTheShowWhenItLosesTheForeground) {
  struct Case {
    const char* what;
    bool preview;
    std::function<MessageOutcome(ShowWindowRules&)> send;
    bool ends;
    bool passOn;
  };
  const Case cases[] = {
      // The rules run the default handling of activation themselves, in its place among their steps.
      {"deactivated", false, [](ShowWindowRules& r) { return r.OnActivate(true, NoDefault); }, true, false},
      {"activated", false, [](ShowWindowRules& r) { return r.OnActivate(false, NoDefault); }, false, false},
      {"preview deactivated", true, [](ShowWindowRules& r) { return r.OnActivate(true, NoDefault); }, false, true},
      {"app loses activation", false, [](ShowWindowRules& r) { return r.OnActivateApp(false); }, true, false},
      {"app gains activation", false, [](ShowWindowRules& r) { return r.OnActivateApp(true); }, false, false},
      {"preview app loses activation", true, [](ShowWindowRules& r) { return r.OnActivateApp(false); }, true, false},
      {"frame inactive", false, [](ShowWindowRules& r) { return r.OnNcActivate(false); }, true, true},
      {"preview frame inactive", true, [](ShowWindowRules& r) { return r.OnNcActivate(false); }, true, true},
      {"frame active", false, [](ShowWindowRules& r) { return r.OnNcActivate(true); }, false, true},
      {"screen saver command", false, [](ShowWindowRules& r) { return r.OnSysCommand(kScScreenSave); }, false, false},
      {"other command", false, [](ShowWindowRules& r) { return r.OnSysCommand(0xF060); }, false, true},
  };
  for (const Case& c : cases) {
    ShowRig rig;
    rig.layout.preview = c.preview;
    rig.AddPictures(1);
    rig.Start();
    const MessageOutcome outcome = c.send(*rig.rules);
    EXPECT_EQ(rig.flags.ending, c.ends) << c.what;
    EXPECT_EQ(outcome.passOn, c.passOn) << c.what;
  }
}

TEST(ActivationMessages, DefaultHandlingComesFirstThenTheRulesStep) {
  // Losing activation: the default handling runs before the end request; gaining it: the
  // reference is taken first and the show steps on after the default handling.
  ShowRig rig;
  rig.AddPictures(2);
  rig.Start();
  rig.input.cursor = {10, 20};
  bool endedBeforeDefault = true;
  int timerMessagesBeforeDefault = -1;
  MessageOutcome outcome = rig.rules->OnActivate(false, [&] {
    timerMessagesBeforeDefault = rig.input.itemTimerMessages;
    return intptr_t(7);
  });
  EXPECT_FALSE(outcome.passOn);
  EXPECT_EQ(outcome.result, 7);
  EXPECT_EQ(rig.rules->Reference().x, 10);
  EXPECT_EQ(rig.input.itemTimerMessages, timerMessagesBeforeDefault + 1);

  outcome = rig.rules->OnActivate(true, [&] {
    endedBeforeDefault = rig.flags.ending;
    return intptr_t(3);
  });
  EXPECT_FALSE(endedBeforeDefault);
  EXPECT_TRUE(rig.flags.ending);
  EXPECT_EQ(outcome.result, 3);
}

TEST(ActivationMessages, EveryLaterActivationStepsOn) {
  // Back from a refused password: the show is activated again and steps on at once.
  ShowRig rig;
  rig.AddPictures(3);
  rig.Start();
  rig.rules->FormActivate();
  rig.rules->OnTimer(kItemTimerId);
  const int32_t shownFirst = rig.sequencer->ShowPosition();
  rig.input.passwordRequested = true;
  rig.input.passwordAnswers = {false};
  rig.rules->OnActivate(true, NoDefault);
  EXPECT_FALSE(rig.flags.ending);
  const int messagesBefore = rig.input.itemTimerMessages;
  rig.rules->OnActivate(false, NoDefault);
  EXPECT_EQ(rig.input.itemTimerMessages, messagesBefore + 1);
  rig.rules->OnTimer(kItemTimerId);
  EXPECT_EQ(rig.sequencer->ShowPosition(), shownFirst + 1);
}

TEST(PasswordCheck, AFailingCheckLetsTheShowEnd) {
  ShowRig rig;
  rig.AddPictures(1);
  rig.Start();
  rig.input.passwordRequested = true;
  rig.input.passwordCheckThrows = true;
  rig.rules->OnKeyDown(27);
  EXPECT_EQ(rig.input.passwordAsks, 1);
  EXPECT_TRUE(rig.flags.ending);
  EXPECT_FALSE(rig.flags.checkingPassword);
}

TEST(EndOfShow, StopsEverythingAndClosesOnlyWhenEnding) {
  ShowRig rig;
  rig.AddPictures(2);
  rig.Start(true);
  bool moverFreed = false;
  rig.mover->destroyed = &moverFreed;
  rig.rules->FormActivate();
  EXPECT_EQ(rig.input.itemTimerMessages, 1);
  rig.rules->OnTimer(kItemTimerId);
  EXPECT_TRUE(rig.window.timerRunning);
  EXPECT_FALSE(rig.rules->FormCloseQuery());

  rig.rules->OnButtonDown();
  EXPECT_TRUE(rig.flags.ending);
  EXPECT_FALSE(rig.window.timerRunning);
  EXPECT_FALSE(rig.mover->running);
  rig.rules->OnButtonDown();
  EXPECT_EQ(rig.input.closesPosted, 1);  // one accepted end, one close

  rig.rules->OnTimer(kItemTimerId);  // a late timer only stops again
  EXPECT_EQ(rig.package.picturesLoaded.size(), 1u);
  EXPECT_TRUE(rig.rules->FormCloseQuery());
  EXPECT_TRUE(moverFreed);
  EXPECT_FALSE(rig.sequencer->HasMover());
}

TEST(Timers, EachIdentifierRunsItsOwnStep) {
  ShowRig rig;
  rig.AddPictures(1);
  rig.Start(true);
  rig.SetUpMusic();
  rig.rules->OnTimer(kMusicTimerId);
  rig.rules->OnTimer(kFlyTimerId);
  rig.rules->OnTimer(4242);
  EXPECT_EQ(rig.musicHost.musicSteps, 1);
  EXPECT_EQ(rig.mover->ticks, 1);
  EXPECT_TRUE(rig.package.picturesLoaded.empty());
}

TEST(Timers, ThePreviewGoesWithItsHostWindowAndTheShowHasNone) {
  for (const bool preview : {true, false}) {
    ShowRig rig;
    rig.layout.preview = preview;
    rig.AddPictures(1);
    rig.Start();
    EXPECT_EQ(rig.rules->WatchesHostWindow(), preview);
    EXPECT_FALSE(rig.rules->OnTimer(kHostCheckTimerId).destroyWindow) << preview;
    rig.input.hostExists = false;
    EXPECT_EQ(rig.rules->OnTimer(kHostCheckTimerId).destroyWindow, preview);
    EXPECT_FALSE(rig.rules->OnTimer(kItemTimerId).destroyWindow);
    EXPECT_EQ(rig.package.picturesLoaded.size(), 1u) << "the host check is no step of the show";
  }
}

TEST(EndOfShow, TheEndOfTheSessionDestroysTheWindowAtOnce) {
  ShowRig rig;
  rig.AddPictures(1);
  rig.Start();
  const MessageOutcome query = rig.rules->OnEndSession(false);
  EXPECT_FALSE(query.destroyWindow);
  EXPECT_FALSE(query.passOn);
  EXPECT_FALSE(rig.flags.ending);

  const MessageOutcome end = rig.rules->OnEndSession(true);
  EXPECT_TRUE(end.destroyWindow);
  EXPECT_EQ(end.result, 0);
  EXPECT_TRUE(rig.flags.ending);
  EXPECT_EQ(rig.input.passwordAsks, 0) << "no password stands in the way of the session's end";
}

TEST(EndOfShow, AStepOfTheShowStillRunningKeepsItsSequenceUntilTheDestructor) {
  ShowRig rig;
  rig.AddPictures(1);
  rig.Start();
  EXPECT_EQ(rig.rules->OnDestroy(), ShowRelease::kEverything);
  rig.flags.advancing = true;
  EXPECT_EQ(rig.rules->OnDestroy(), ShowRelease::kMusic);
}

TEST(TransitionControl, RunsOnTheWindowsThreadInTheBackgroundColourParkedOutOfSight) {
  testing::QuietHost host;
  TPic_Trans control(host);
  control.SetThreaded(true);
  control.SetAutoSize(true);
  const Rgb colour{10, 20, 30};
  ShowWindowRules::SetUpTransitionControl(control, colour);
  EXPECT_FALSE(control.Threaded());
  EXPECT_FALSE(control.AutoSize());
  EXPECT_EQ(control.BgMode(), bmNone);
  EXPECT_EQ(control.Color(), colour);
  EXPECT_EQ(control.BoundsRect(), (Rect{-1, -1, 0, 0}));
}

}  // namespace
}  // namespace saverkit
