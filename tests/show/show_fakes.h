// In-memory stand-ins for everything around the show, recording what the show asked of them.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "forms/caption_label_controls.h"
#include "raster/jpeg_codec.h"
#include "show/show_seams.h"

namespace saverkit::testing {

struct FakeItem {
  FakeItem(ItemRecord r = {}) : record(r) {}  // NOLINT: items are written as plain records
  ItemRecord record;
  int pictureWidth = 64;  // decoded size at full scale; 0 makes the picture undecodable
  int pictureHeight = 48;
  bool movieExtracts = true;
  std::vector<CaptionLabel> captions;
};

inline ItemRecord PictureRecord(int32_t seconds = 5) {
  ItemRecord r;
  r.Seconds = seconds;
  r.Effect = 3;
  r.OutEffect = 4;
  return r;
}

inline ItemRecord MovieRecord(int32_t seconds) {
  ItemRecord r;
  r.Kind = kKindMovie;
  r.Seconds = seconds;
  return r;
}

class FakePackage : public ShowPackage {
 public:
  std::vector<FakeItem> items;
  std::vector<int32_t> picturesLoaded;
  std::vector<int> scalesUsed;

  int32_t ItemCount() const override { return int32_t(items.size()); }
  int32_t OverlayCount() const override {
    int32_t count = 0;
    for (const FakeItem& item : items) count += item.record.Overlay != 0;
    return count;
  }
  ItemRecord GetItem(int32_t index) const override {
    if (index < 0 || index >= ItemCount()) return ItemRecord{};
    return items[size_t(index)].record;
  }
  bool LoadPicture(int32_t index, int scale, Bitmap& picture) override {
    picturesLoaded.push_back(index);
    scalesUsed.push_back(scale);
    const FakeItem& item = items[size_t(index)];
    if (item.pictureWidth <= 0) return false;
    picture.Reset(item.pictureWidth >> scale, item.pictureHeight >> scale);
    return true;
  }
  // Decodes like the reader: at the scale the codec picks for the picture's full size.
  bool LoadPictureToCover(int32_t index, int shownWidth, int shownHeight, Bitmap& picture) override {
    const FakeItem& item = items[size_t(index)];
    return LoadPicture(index, ScaleToCover(item.pictureWidth, item.pictureHeight, shownWidth, shownHeight), picture);
  }
  bool PictureSize(int32_t index, int& width, int& height) override {
    const FakeItem& item = items[size_t(index)];
    if (item.pictureWidth <= 0) return false;
    width = item.pictureWidth;
    height = item.pictureHeight;
    return true;
  }
  bool ExtractMovie(int32_t index, std::string& path) override {
    if (!items[size_t(index)].movieExtracts) return false;
    path = "~F_" + std::to_string(index) + ".swf";
    return true;
  }
  std::vector<CaptionLabel> Captions(int32_t index) const override { return items[size_t(index)].captions; }
};

class FakeStage : public PictureStage {
 public:
  Rect bounds{-1, -1, 0, 0};
  bool visible = false;
  bool running = false;
  int pictureWidth = 0;
  int pictureHeight = 0;
  std::vector<std::string> log;  // "grab", "atonce", "execute 12", "leave", "background", "stretch WxH"
  std::function<void()> duringExecute;

  Rect Bounds() const override { return bounds; }
  void SetBounds(const Rect& r) override { bounds = r; }
  bool Visible() const override { return visible; }
  void SetVisible(bool v) override { visible = v; }
  void SetPicture(Bitmap picture, int w, int h) override {
    pictureWidth = picture.Width();
    pictureHeight = picture.Height();
    if (w <= 0 || h <= 0) return;
    pictureWidth = w;
    pictureHeight = h;
    log.push_back("stretch " + std::to_string(w) + "x" + std::to_string(h));
  }
  void GrabArea(const Rect&) override { log.push_back("grab"); }
  void ShowAtOnce() override { log.push_back("atonce"); }
  void Execute(int style, int16_t, int16_t) override {
    log.push_back("execute " + std::to_string(style));
    running = true;
    if (duringExecute) duringExecute();
    running = false;
  }
  bool TransitionRunning() const override { return running; }
  void StopTransition() override {
    log.push_back("stop");
    running = false;
  }
  void LeavePictureOnBackground() override { log.push_back("leave"); }
  void TakeBackgroundUnderPicture() override { log.push_back("background"); }

  int Count(const std::string& entry) const {
    int n = 0;
    for (const std::string& e : log) n += e == entry;
    return n;
  }
};

// Where the mover would move a fake movie.
class FakeFlyTarget : public FlyTarget {
 public:
  int Width() const override { return 0; }
  int Height() const override { return 0; }
  void SetBounds(int, int, int, int) override {}
};

class FakeMovie : public ShowMovie {
 public:
  Rect bounds;
  int32_t totalFrames = 0;
  int32_t frame = 0;
  bool playing = false;
  bool visible = false;
  bool loop = false;
  bool mouseMovesConnected = false;
  bool inputConnected = false;
  std::string movie;
  int* liveCount = nullptr;

  explicit FakeMovie(const Rect& r, int* live) : bounds(r), liveCount(live) { ++*liveCount; }
  ~FakeMovie() override { --*liveCount; }
  Rect Bounds() const override { return bounds; }
  void ConnectInput(bool mouseMoves) override {
    inputConnected = true;
    mouseMovesConnected = mouseMoves;
  }
  void SetMovie(const std::string& path) override { movie = path; }
  void SetLoop(bool l) override { loop = l; }
  void SetVisible(bool v) override { visible = v; }
  void Play() override { playing = true; }
  int32_t TotalFrames() override { return totalFrames; }
  int32_t FrameNum() override { return frame; }
  bool Playing() override { return playing; }
  FlyTarget& MoverTarget() override { return flyTarget; }

 private:
  FakeFlyTarget flyTarget;
};

class FakeOverlay : public ShowOverlay {
 public:
  explicit FakeOverlay(int* live) : liveCount(live) { ++*liveCount; }
  ~FakeOverlay() override { --*liveCount; }
  int* liveCount;
};

class FakeWindow : public ShowWindowServices {
 public:
  bool timerRunning = false;
  std::vector<uint32_t> timerPeriods;
  std::function<void()> onPump;
  bool movieHostsFail = false;
  int32_t movieFrames = 0;  // frames every new movie host reports
  int liveMovies = 0;
  int liveOverlays = 0;
  std::vector<Rect> overlayBounds;
  FakeMovie* lastMovie = nullptr;
  int trims = 0;

  void StartItemTimer(uint32_t ms) override {
    timerRunning = true;
    timerPeriods.push_back(ms);
  }
  void KillItemTimer() override { timerRunning = false; }
  void ProcessPendingMessages() override {
    if (onPump) onPump();
  }
  std::unique_ptr<ShowMovie> CreateMovieHost(const Rect& bounds) override {
    if (movieHostsFail) return nullptr;
    auto movie = std::make_unique<FakeMovie>(bounds, &liveMovies);
    movie->totalFrames = movieFrames;
    lastMovie = movie.get();
    return movie;
  }
  std::unique_ptr<ShowOverlay> CreateOverlayImage(Bitmap, const Rect& bounds) override {
    overlayBounds.push_back(bounds);
    return std::make_unique<FakeOverlay>(&liveOverlays);
  }
  void CaptionsChanged() override { ++captionChanges; }
  void TrimWorkingSet() override { ++trims; }
  int captionChanges = 0;
  uint32_t LastPeriod() const { return timerPeriods.empty() ? 0 : timerPeriods.back(); }
};

// Hands out scripted values (then zeros) and counts the shuffles: every shuffle reseeds first.
class ScriptedRandom : public RandomSource {
 public:
  std::deque<uint32_t> values;
  int shuffles = 0;
  void SeedFromClock() override { ++shuffles; }
  int32_t Next() override {
    if (values.empty()) return 0;
    const uint32_t v = values.front();
    values.pop_front();
    return int32_t(v);
  }
};

class FakeMover : public ShowMover {
 public:
  bool running = false;
  int x = 0, y = 0, width = 0, height = 0, ticks = 0;
  Target target = Target::kNone;
  ShowMovie* movie = nullptr;
  bool* destroyed = nullptr;
  ~FakeMover() override {
    if (destroyed) *destroyed = true;
  }
  void Start() override { running = true; }
  void Stop() override { running = false; }
  void Tick() override { ++ticks; }
  void SetPos(int px, int py) override {
    x = px;
    y = py;
  }
  void SetSize(int w, int h) override {
    width = w;
    height = h;
  }
  void SetTarget(Target t, ShowMovie* m) override {
    target = t;
    movie = m;
  }
};

class FixedMeasurer : public TextMeasurer {
 public:
  TextExtent Measure(const ControlFont&, const std::string&) override { return {100, 30}; }
};

}  // namespace saverkit::testing
