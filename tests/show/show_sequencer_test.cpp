#include "show/show_sequencer.h"

#include <gtest/gtest.h>

#include "show/item_placement.h"
#include "show/show_window_rules.h"
#include "show_rig.h"

namespace saverkit {
namespace {

using testing::FakeItem;
using testing::MovieRecord;
using testing::PictureRecord;
using testing::ShowRig;

TEST(ShowOrder, LeavesOutOverlaysAndShufflesWhenAsked) {
  ShowRig rig;
  rig.AddPictures(4);
  rig.package.items[1].record.Overlay = 1;
  rig.Start();
  EXPECT_EQ(rig.sequencer->ShowOrder(), (std::vector<int32_t>{0, 2, 3}));
  EXPECT_EQ(rig.sequencer->CurrentItem().Seconds, 1);
  EXPECT_EQ(rig.random.shuffles, 0);

  ShowRig shuffled;
  shuffled.layout.randomOrder = true;
  shuffled.AddPictures(3);
  shuffled.random.values = {0, 1, 0};  // the draws that reverse three entries
  shuffled.Start();
  EXPECT_EQ(shuffled.random.shuffles, 1);
  EXPECT_EQ(shuffled.sequencer->ShowOrder(), (std::vector<int32_t>{2, 1, 0}));
  EXPECT_EQ(shuffled.sequencer->CurrentItem().Seconds, 3);  // the record at position 0 after shuffling
}

TEST(Advance, StepsForwardBackAndByTimerThroughFourItems) {
  ShowRig rig;
  rig.AddPictures(4);  // A B C D
  rig.Start();
  struct Step {
    const char* what;
    bool forward;
    int32_t shown;
    int32_t positionAfter;
  };
  const Step steps[] = {
      {"activation", true, 0, 1}, {"timer", true, 1, 2}, {"back key", false, 2, 1},
      {"timer", true, 1, 2},      {"timer", true, 2, 3}, {"timer", true, 3, 0},
      {"timer", true, 0, 1},      {"back key", false, 1, 0}, {"back key", false, 0, 3},
  };
  for (const Step& step : steps) {
    rig.sequencer->Advance(step.forward);
    EXPECT_EQ(rig.LastShown(), step.shown) << step.what;
    EXPECT_EQ(rig.sequencer->ShowPosition(), step.positionAfter) << step.what;
    EXPECT_TRUE(rig.window.timerRunning);
    EXPECT_EQ(rig.window.LastPeriod(), uint32_t(step.shown + 1) * 1000) << step.what;
  }
}

TEST(Advance, ReshufflesAtTheEndOfEveryPassInRandomOrder) {
  ShowRig rig;
  rig.layout.randomOrder = true;
  rig.AddPictures(2);
  rig.Start();
  rig.sequencer->Advance(true);
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.random.shuffles, 2);
  EXPECT_EQ(rig.sequencer->ShowPosition(), 0);
}

TEST(Advance, IsNotReenteredFromItsOwnMessagePump) {
  ShowRig rig;
  rig.AddPictures(3);
  rig.Start();
  int nested = 0;
  rig.window.onPump = [&] {
    if (nested++ == 0) rig.rules->OnKeyDown(kVkRight);  // a key pressed during the transition
  };
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.package.picturesLoaded, std::vector<int32_t>{0});
  EXPECT_EQ(rig.sequencer->ShowPosition(), 1);
  EXPECT_FALSE(rig.flags.advancing);
}

TEST(Advance, WaitsForAMovieToPlayToItsLastFrame) {
  ShowRig rig;
  rig.package.items = {{MovieRecord(0)}, {PictureRecord(2)}};
  rig.window.movieFrames = 300;
  rig.Start();
  rig.sequencer->Advance(true);  // the movie comes
  testing::FakeMovie* movie = rig.window.lastMovie;
  ASSERT_NE(movie, nullptr);
  EXPECT_EQ(movie->movie, "~F_0.swf");
  EXPECT_TRUE(movie->playing && movie->visible);
  EXPECT_FALSE(rig.stage.visible);
  EXPECT_EQ(rig.window.LastPeriod(), 4000u);  // Seconds 0: the default time first

  movie->frame = 150;
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.window.liveMovies, 1);
  EXPECT_TRUE(rig.package.picturesLoaded.empty());
  EXPECT_EQ(rig.window.LastPeriod(), kMovieRecheckMs);

  movie->frame = 299;
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.window.liveMovies, 0);
  EXPECT_EQ(rig.LastShown(), 1);
}

TEST(Advance, MovieTimesThatDoNotWaitForFrames) {
  struct Case {
    const char* what;
    int32_t seconds;
    int32_t frames;
    uint32_t period;
  };
  const Case cases[] = {
      {"negative seconds stay exactly that long, playing or not", -7, 300, 7000},
      {"a one-frame movie stays the default time", 0, 1, 4000},
      {"no player reports no frames", 0, 0, 4000},
  };
  for (const Case& c : cases) {
    ShowRig rig;
    rig.package.items = {{MovieRecord(c.seconds)}, {PictureRecord(2)}};
    rig.window.movieFrames = c.frames;
    rig.Start();
    rig.sequencer->Advance(true);
    EXPECT_EQ(rig.window.LastPeriod(), c.period) << c.what;
    rig.sequencer->Advance(true);
    EXPECT_EQ(rig.LastShown(), 1) << c.what;
    EXPECT_EQ(rig.window.liveMovies, 0) << c.what;
  }
}

TEST(ShowItem, LargePictureIsPlacedForTheDefaultSizeAndRunsOffTheEdges) {
  ShowRig rig;
  FakeItem big{PictureRecord(1)};
  big.pictureWidth = 4000;
  big.pictureHeight = 3000;
  rig.package.items = {{PictureRecord(1)}, big};
  rig.Start();
  rig.sequencer->Advance(true);
  rig.random.values = {600, 500};  // x = 600 mod (1024 - 512), y = 500 mod (768 - 384)
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.LastShown(), 1);
  EXPECT_EQ(rig.stage.bounds, (Rect{88, 116, 88 + 4000, 116 + 3000}));
  EXPECT_EQ(rig.stage.pictureWidth, 4000);
  EXPECT_EQ(rig.stage.pictureHeight, 3000);
}

TEST(ShowItem, FixedPositionAndRecordSizeAreScaledToTheShowArea) {
  ShowRig rig;
  rig.layout.scale = 0.5;
  ItemRecord fixed = PictureRecord(1);
  fixed.FixedPosition = 1;
  fixed.X = 101;
  fixed.Y = 51;
  fixed.Width = 301;
  fixed.Height = 201;
  rig.package.items = {{fixed}};
  rig.Start();
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.stage.bounds, (Rect{50, 25, 50 + 150, 25 + 100}));
  EXPECT_EQ(rig.stage.pictureWidth, 150);
}

TEST(ShowItem, PlacesAreOnTheShowAreaWhereverItLiesInTheWindow) {
  // A monitor left of and above the primary one: the show area starts at (1280, 200) in the window.
  ShowRig rig;
  rig.layout.areaLeft = 1280;
  rig.layout.areaTop = 200;
  ItemRecord fixed = PictureRecord(1);
  fixed.FixedPosition = 1;
  fixed.X = 100;
  fixed.Y = 50;
  fixed.Width = 300;
  fixed.Height = 200;
  ItemRecord overlay = fixed;
  overlay.Overlay = 1;
  overlay.X = 0;
  overlay.Y = 0;
  ItemRecord unpinned = PictureRecord(1);
  unpinned.Width = 300;
  unpinned.Height = 200;
  rig.package.items = {{fixed}, {overlay}, {unpinned}};
  rig.Start();
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.stage.bounds, (Rect{1380, 250, 1680, 450}));
  EXPECT_EQ(rig.window.overlayBounds, (std::vector<Rect>{{1280, 200, 1580, 400}}));
  rig.random.values = {2000, 3000};  // x = 2000 mod (1024 - 300), y = 3000 mod (768 - 200)
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.stage.bounds, (Rect{1280 + 552, 200 + 160, 1280 + 852, 200 + 360}));
}

TEST(ShowItem, FirstItemComesInOverWhatTheWindowShows) {
  ShowRig rig;
  rig.AddPictures(2);
  rig.Start();
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.stage.log, (std::vector<std::string>{"grab", "atonce", "stretch 64x48", "execute 3"}));
  EXPECT_TRUE(rig.stage.visible);
  EXPECT_FALSE(rig.sequencer->FirstShow());
}

TEST(ShowItem, OutEffectDecidesHowAPictureLeaves) {
  struct Case {
    const char* what;
    int32_t effect;
    int32_t outEffect;
    std::vector<std::string> secondItemLog;
  };
  const Case cases[] = {
      {"out effect dissolves into the background", 3, 9,
       {"background", "execute 9", "grab", "atonce", "stretch 64x48", "execute 3"}},
      {"random out effect", 3, -1, {"background", "execute 77", "grab", "atonce", "stretch 64x48", "execute 3"}},
      {"collage: left on the background, the next appears at once", -2, -2,
       {"leave", "grab", "atonce", "stretch 64x48", "atonce"}},
  };
  for (const Case& c : cases) {
    ShowRig rig;
    for (int i = 0; i < 2; ++i) {
      ItemRecord record = PictureRecord(1);
      record.Effect = c.effect;
      record.OutEffect = c.outEffect;
      rig.package.items.push_back({record});
    }
    rig.Start();
    rig.random.values = {0, 0};
    rig.sequencer->Advance(true);
    rig.stage.log.clear();
    rig.random.values = {10, 10, 77};  // a new place, then the random effect
    rig.sequencer->Advance(true);
    EXPECT_EQ(rig.stage.log, c.secondItemLog) << c.what;
  }
}

TEST(ShowItem, CollageOfPicturesInTheSamePlaceNeedsNoRepaint) {
  ShowRig rig;
  ItemRecord record = PictureRecord(1);
  record.Effect = record.OutEffect = -2;
  record.FixedPosition = 1;
  rig.package.items = {{record}, {record}};
  rig.Start();
  rig.sequencer->Advance(true);
  rig.stage.log.clear();
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.stage.log, (std::vector<std::string>{"stretch 64x48", "atonce"}));
}

TEST(ShowItem, EndingDuringTheOutTransitionStopsTheStep) {
  ShowRig rig;
  rig.AddPictures(2);
  rig.Start();
  rig.sequencer->Advance(true);
  rig.stage.duringExecute = [&] { rig.rules->OnKeyDown('Q'); };
  rig.sequencer->Advance(true);
  EXPECT_TRUE(rig.flags.ending);
  EXPECT_FALSE(rig.window.timerRunning);
  EXPECT_EQ(rig.package.picturesLoaded, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(rig.stage.Count("execute 3"), 1);  // the new picture never came in
  EXPECT_EQ(rig.input.closesPosted, 1);
}

TEST(ShowItem, BrokenMediaStillLetTheShowGoOn) {
  ShowRig rig;
  FakeItem corrupt{PictureRecord(1)};
  corrupt.pictureWidth = 0;  // cannot be decoded
  FakeItem unextractable{MovieRecord(2)};
  unextractable.movieExtracts = false;
  FakeItem noHost{MovieRecord(3)};
  rig.package.items = {corrupt, unextractable, noHost, {PictureRecord(4)}};
  rig.window.movieHostsFail = false;
  rig.Start();

  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.stage.pictureWidth, 512);  // a blank of the default size comes in
  EXPECT_EQ(rig.stage.pictureHeight, 384);
  EXPECT_EQ(rig.stage.Count("execute 3"), 1);

  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.window.liveMovies, 0);
  EXPECT_FALSE(rig.stage.visible);
  EXPECT_EQ(rig.window.LastPeriod(), 2000u);

  rig.window.movieHostsFail = true;
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.window.liveMovies, 0);
  EXPECT_EQ(rig.window.LastPeriod(), 3000u);

  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.LastShown(), 3);
  EXPECT_TRUE(rig.stage.visible);
}

TEST(ShowItem, HostileRecordSizeIsBounded) {
  ShowRig rig;
  ItemRecord huge = PictureRecord(1);
  huge.Width = 2000000000;
  huge.Height = 2000000000;
  FakeItem item{huge};
  item.pictureWidth = 0;  // undecodable too, so the blank takes the record's size
  rig.package.items = {item};
  rig.Start();
  rig.sequencer->Advance(true);
  EXPECT_LE(int64_t(rig.stage.pictureWidth) * rig.stage.pictureHeight, kMaxItemPixels);
  EXPECT_GT(rig.stage.pictureWidth, 0);
}

TEST(ShowItem, PicturesAreDecodedJustLargeEnoughAndShownAtTheSizeTheyWouldHaveWhole) {
  const struct {
    const char* what;
    int32_t recordWidth, recordHeight;
    double layoutScale;
    int pictureWidth, pictureHeight;
    int scale, shownWidth, shownHeight;
  } cases[] = {
      {"a photo for a smaller record", 1000, 750, 1.0, 4000, 3000, 2, 1000, 750},
      {"a record a little smaller than the half", 300, 200, 1.0, 640, 480, 1, 300, 200},
      {"a photo without a record size on a smaller screen", 0, 0, 0.25, 4000, 3000, 2, 1000, 750},
      {"a picture without a record size at its own size", 0, 0, 1.0, 64, 48, 0, 64, 48},
      {"an enlarged picture", 800, 600, 1.0, 64, 48, 0, 800, 600},
  };
  for (const auto& c : cases) {
    ShowRig rig;
    rig.layout.scale = c.layoutScale;
    ItemRecord record = PictureRecord(1);
    record.Width = c.recordWidth;
    record.Height = c.recordHeight;
    FakeItem item{record};
    item.pictureWidth = c.pictureWidth;
    item.pictureHeight = c.pictureHeight;
    rig.package.items = {item};
    rig.Start();
    rig.sequencer->Advance(true);
    EXPECT_EQ(rig.package.scalesUsed, std::vector<int>{c.scale}) << c.what;
    EXPECT_EQ(rig.stage.pictureWidth, c.shownWidth) << c.what;
    EXPECT_EQ(rig.stage.pictureHeight, c.shownHeight) << c.what;
    EXPECT_EQ(rig.stage.bounds.Width(), c.shownWidth) << c.what;
  }
}

TEST(ShowItem, PreviewDecodesAnEighthAndScalesSizesBack) {
  ShowRig rig;
  rig.layout.preview = true;
  rig.layout.areaWidth = 152;
  rig.layout.areaHeight = 112;
  rig.layout.scale = 152.0 / 1024;
  FakeItem item{PictureRecord(1)};
  item.pictureWidth = 800;
  item.pictureHeight = 640;
  item.captions.push_back({"Arial", 20, 0, 0, true, 0, 400, 300, "Hi"});
  rig.package.items = {item};
  rig.Start();
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.package.scalesUsed, std::vector<int>{3});
  EXPECT_EQ(rig.stage.pictureWidth, int(800 * 152.0 / 1024));
  EXPECT_EQ(rig.stage.pictureHeight, int(640 * 152.0 / 1024));
  const Component* label = rig.components.Find("xlabel_0");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->font.size, int(20 * 112.0 / 768));
}

TEST(ShowItem, CaptionsOfThePreviousItemGo) {
  ShowRig rig;
  FakeItem two{PictureRecord(1)};
  two.captions = {{"Arial", 10, 0, 0, true, 0, 10, 10, "one"}, {"Arial", 10, 0, 0, true, 0, 20, 20, "two"}};
  FakeItem one{PictureRecord(1)};
  one.captions = {{"Arial", 10, 0, 0, true, 0, 30, 30, "only"}};
  rig.package.items = {two, one, {PictureRecord(1)}};
  rig.Start();
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.components.Count(), 2);
  rig.sequencer->Advance(true);
  ASSERT_EQ(rig.components.Count(), 1);
  EXPECT_EQ(rig.components.At(0).caption, "only");
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.components.Count(), 0);
  EXPECT_EQ(rig.window.captionChanges, 3);  // each change is painted
}

TEST(Overlays, CreatedWithTheFirstItemAtTheirRecordedPlace) {
  ShowRig rig;
  rig.layout.scale = 0.5;  // overlays are not scaled
  ItemRecord image = PictureRecord(1);
  image.Overlay = 1;
  image.X = 10;
  image.Y = 20;
  image.Width = 300;
  image.Height = 200;
  ItemRecord movie = MovieRecord(1);
  movie.Overlay = 1;
  rig.package.items = {{image}, {PictureRecord(1)}, {movie}};
  rig.Start();
  EXPECT_EQ(rig.sequencer->OverlayCount(), 0u);
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.sequencer->OverlayCount(), 2u);
  EXPECT_EQ(rig.window.overlayBounds, (std::vector<Rect>{{10, 20, 310, 220}}));
  ASSERT_NE(rig.window.lastMovie, nullptr);
  EXPECT_TRUE(rig.window.lastMovie->loop);
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.window.liveOverlays, 1);  // not made again
  rig.sequencer->FreeOverlays();
  EXPECT_EQ(rig.window.liveOverlays, 0);
  EXPECT_EQ(rig.window.liveMovies, 0);
}

TEST(Overlays, APackageOfOnlyOverlaysShowsOnlyTheBackground) {
  ShowRig rig;
  rig.AddPictures(2);
  for (FakeItem& item : rig.package.items) item.record.Overlay = 1;
  rig.Start();
  EXPECT_EQ(rig.sequencer->ShowCount(), 0);
  rig.sequencer->Advance(true);
  rig.rules->OnKeyDown(kVkRight);
  EXPECT_EQ(rig.sequencer->OverlayCount(), 0u);
  EXPECT_TRUE(rig.stage.log.empty());
  EXPECT_FALSE(rig.window.timerRunning);
  EXPECT_FALSE(rig.flags.advancing);
}

TEST(Mover, ShrinksToHalfTheAreaAndFollowsTheItemOnScreen) {
  ShowRig rig;
  ItemRecord sized = PictureRecord(1);
  sized.Width = 1600;
  sized.Height = 1200;
  rig.package.items = {{sized}, {MovieRecord(1)}, {sized}};
  rig.Start(true);
  rig.random.values = {100, 200};
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.mover->width, 512);
  EXPECT_EQ(rig.mover->height, 384);
  EXPECT_EQ(rig.mover->x, 200);  // a random place within the show area for the first item
  EXPECT_EQ(rig.mover->y, 100);
  EXPECT_EQ(rig.mover->target, ShowMover::Target::kPicture);
  EXPECT_TRUE(rig.mover->running);

  rig.stage.bounds = Rect{230, 120, 230 + 512, 120 + 384};  // where the mover has taken it
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.window.lastMovie->bounds, (Rect{230, 120, 230 + 512, 120 + 384}));
  EXPECT_EQ(rig.mover->target, ShowMover::Target::kMovie);
  EXPECT_EQ(rig.mover->movie, rig.window.lastMovie);  // told which host to move

  rig.window.lastMovie->bounds = Rect{240, 130, 240 + 512, 130 + 384};
  rig.sequencer->Advance(true);
  EXPECT_EQ(rig.stage.bounds, (Rect{240, 130, 240 + 512, 130 + 384}));
  EXPECT_EQ(rig.mover->target, ShowMover::Target::kPicture);
}

}  // namespace
}  // namespace saverkit
