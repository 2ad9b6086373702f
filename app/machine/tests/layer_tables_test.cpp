#include <gtest/gtest.h>

#include <cstring>

#include "machine/cut_layer.h"
#include "machine/layer_map.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes BlockOf(const kw::CCutLayer& t) {
  Bytes dat;
  int32_t size = -1;
  EXPECT_FALSE(t.GetBin(dat, size));
  EXPECT_EQ(size, static_cast<int32_t>(dat.size()));
  return dat;
}

Bytes BlockOf(const kw::CLayerMap& m) {
  Bytes dat;
  int32_t size = -1;
  EXPECT_FALSE(m.GetBin(dat, size));
  EXPECT_EQ(size, static_cast<int32_t>(dat.size()));
  return dat;
}

// Every field of every layer gets a value of its own.
void FillDistinct(kw::CCutLayer& t) {
  for (int16_t i = 0; i <= 14; ++i) {
    t.Speed(i, 10.5f + i);
    t.ProLong(i, 0.25f * i);
    t.TStart(i, -1.0f - i);
    t.TStop(i, 2.0f * i);
    t.Laser(i, 60.0f + i);
    t.Lasermin(i, 5.0f + i);
    t.Color(i, 0x123456 + i);
    t.LineIn(i, 100.0f * i);
    t.Enabled(i, i % 3 != 0);
  }
}

void ExpectSameExceptColor(const kw::CCutLayer& a, const kw::CCutLayer& b) {
  ASSERT_EQ(a.GetCount(), b.GetCount());
  for (int16_t i = 0; i <= a.GetCount(); ++i) {
    EXPECT_EQ(a.Speed(i), b.Speed(i)) << i;
    EXPECT_EQ(a.ProLong(i), b.ProLong(i)) << i;
    EXPECT_EQ(a.TStart(i), b.TStart(i)) << i;
    EXPECT_EQ(a.TStop(i), b.TStop(i)) << i;
    EXPECT_EQ(a.Laser(i), b.Laser(i)) << i;
    EXPECT_EQ(a.Lasermin(i), b.Lasermin(i)) << i;
    EXPECT_EQ(a.LineIn(i), b.LineIn(i)) << i;
    EXPECT_EQ(a.Enabled(i), b.Enabled(i)) << i;
  }
}

TEST(CutLayerTable, FreshTableHasFifteenDefaultLayersInThePalette) {
  const kw::CCutLayer t;
  EXPECT_EQ(t.GetCount(), 14);
  EXPECT_EQ(t.TypeName(), "CutLayer");
  std::vector<int32_t> colors;
  t.GetColor(colors);
  ASSERT_EQ(colors.size(), 15u);
  for (int i = 0; i <= 14; ++i) EXPECT_EQ(colors[i], kw::PaletteColor(i));
  EXPECT_EQ(colors[1], 0xFF0000);   // blue
  EXPECT_EQ(colors[2], 0x0000FF);   // red
  EXPECT_EQ(colors[12], 0xFF8080);  // 128, 128, 255
  EXPECT_EQ(t.Speed(5), 100.0f);
  EXPECT_EQ(t.Laser(5), 50.0f);
  EXPECT_EQ(t.Lasermin(5), 20.0f);
  EXPECT_TRUE(t.Enabled(5));
  std::vector<bool> enabled;
  t.GetEnabled(enabled);
  EXPECT_EQ(enabled, std::vector<bool>(15, true));
}

TEST(CutLayerTable, BlockOfAFreshTableByteForByte) {
  const Bytes dat = BlockOf(kw::CCutLayer{});
  ASSERT_EQ(dat.size(), 516u);
  EXPECT_EQ(Bytes(dat.begin(), dat.begin() + 6), (Bytes{1, 0, 0, 0, 0x0E, 0}));
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(Bytes(dat.begin() + 6 + 4 * i, dat.begin() + 10 + 4 * i), (Bytes{0, 0, 0xC8, 0x42})) << i;
    EXPECT_EQ(Bytes(dat.begin() + 246 + 4 * i, dat.begin() + 250 + 4 * i), (Bytes{0, 0, 0x48, 0x42})) << i;  // 50
    EXPECT_EQ(Bytes(dat.begin() + 486 + 2 * i, dat.begin() + 488 + 2 * i), (Bytes{0xFF, 0xFF})) << i;
  }
  // Colour 2 (red) sits in the colour run at 366.
  EXPECT_EQ(Bytes(dat.begin() + 374, dat.begin() + 378), (Bytes{0xFF, 0, 0, 0}));
}

TEST(CutLayerTable, BlockRestoresEveryFieldButTheColourComesFromThePalette) {
  kw::CCutLayer source;
  FillDistinct(source);
  const Bytes dat = BlockOf(source);
  kw::CCutLayer target;
  EXPECT_FALSE(target.SetBin(dat, static_cast<int32_t>(dat.size())));
  ExpectSameExceptColor(source, target);
  for (int16_t i = 0; i <= 14; ++i) EXPECT_EQ(target.Color(i), kw::PaletteColor(i));
  Bytes again = BlockOf(target);
  std::memcpy(again.data() + 366, dat.data() + 366, 60);
  EXPECT_EQ(again, dat);
}

TEST(CutLayerTable, LayersPastTheStoredCountGetDefaults) {
  kw::CCutLayer source;
  FillDistinct(source);
  Bytes dat = BlockOf(source);
  for (int16_t stored : {3, -1, 200}) {
    dat[4] = static_cast<uint8_t>(stored & 0xFF);
    dat[5] = static_cast<uint8_t>((stored >> 8) & 0xFF);
    kw::CCutLayer t;
    EXPECT_FALSE(t.SetBin(dat, 516));
    for (int16_t i = 0; i <= 14; ++i) {
      const bool loaded = i <= stored;
      EXPECT_EQ(t.Speed(i), loaded ? source.Speed(i) : 100.0f) << stored << " " << i;
      EXPECT_EQ(t.TStop(i), loaded ? source.TStop(i) : 0.0f) << stored << " " << i;
      EXPECT_EQ(t.Enabled(i), loaded ? source.Enabled(i) : true) << stored << " " << i;
    }
  }
}

TEST(CutLayerTable, WrongVersionOrShortBlockIsRefusedAndChangesNothing) {
  kw::CCutLayer t;
  FillDistinct(t);
  const Bytes before = BlockOf(t);
  Bytes wrongVersion = BlockOf(kw::CCutLayer{});
  wrongVersion[0] = 2;
  EXPECT_TRUE(t.SetBin(wrongVersion, 516));
  Bytes fresh = BlockOf(kw::CCutLayer{});
  for (size_t n : {size_t{0}, size_t{3}, size_t{6}, size_t{515}}) {
    EXPECT_TRUE(t.SetBin(std::span(fresh).first(n), static_cast<int32_t>(n))) << n;
  }
  EXPECT_EQ(BlockOf(t), before);
}

TEST(CutLayerTable, NewAndDeletedLayers) {
  kw::CCutLayer t;
  FillDistinct(t);
  t.DelLayer(0);
  t.DelLayer(15);
  EXPECT_EQ(t.GetCount(), 14);
  t.DelLayer(14);
  EXPECT_EQ(t.GetCount(), 13);
  EXPECT_EQ(t.Speed(13), 23.5f);
  t.DelLayer(3);
  EXPECT_EQ(t.GetCount(), 12);
  EXPECT_EQ(t.Speed(3), 14.5f);
  EXPECT_EQ(t.Color(3), 0x123456 + 4);
  t.NewLayer();
  EXPECT_EQ(t.GetCount(), 13);
  EXPECT_EQ(t.Speed(13), 100.0f);
  EXPECT_EQ(t.Color(13), 0xFF0000);
  EXPECT_EQ(t.Lasermin(13), 20.0f);
  EXPECT_EQ(BlockOf(t).size(), 6u + 34u * 14u);
  std::vector<float> speeds;
  t.GetSpeed(speeds);
  EXPECT_EQ(speeds.size(), 14u);
}

TEST(CutLayerTable, IndexOutsideTheTableIsAnErrorAndChangesNothing) {
  kw::CCutLayer t;
  EXPECT_THROW(t.Speed(15, 1.0f), std::out_of_range);
  EXPECT_THROW(t.Enabled(-1), std::out_of_range);
  EXPECT_EQ(BlockOf(t), BlockOf(kw::CCutLayer{}));
}

TEST(LayerMapTable, BlockOfAFreshMapByteForByte) {
  const Bytes dat = BlockOf(kw::CLayerMap{});
  ASSERT_EQ(dat.size(), 94u);
  Bytes expected{1, 0, 0, 0};
  expected.resize(64, 0);
  for (uint8_t i = 0; i <= 14; ++i) {
    expected.push_back(i);
    expected.push_back(0);
  }
  EXPECT_EQ(dat, expected);
}

TEST(LayerMapTable, SortChangeSwapsRanks) {
  kw::CLayerMap m;
  m.SortChange(0, 14);
  std::vector<int16_t> sort;
  m.GetSort(sort);
  EXPECT_EQ(sort, (std::vector<int16_t>{14, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0}));
  EXPECT_THROW(m.SortChange(15, 0), std::out_of_range);
  EXPECT_THROW(m.SortChange(0, -1), std::out_of_range);
}

TEST(LayerMapTable, IndexAboveTheMapReadsZeroAndNegativeIsAnError) {
  kw::CLayerMap m;
  m.LayerType(15, 7);
  m.LayerSort(20, 7);
  EXPECT_EQ(m.LayerType(15), 0);
  EXPECT_EQ(m.LayerSort(20), 0);
  EXPECT_THROW(m.LayerType(-1), std::out_of_range);
  EXPECT_THROW(m.LayerSort(-1, 3), std::out_of_range);
  EXPECT_EQ(BlockOf(m), BlockOf(kw::CLayerMap{}));
}

TEST(LayerMapTable, TypesBeyondSixteenBitsAreAnOverflow) {
  kw::CLayerMap m;
  m.LayerType(3, -32768);
  std::vector<int16_t> types{9};
  m.GetType(types);
  EXPECT_EQ(types[3], -32768);
  m.LayerType(4, 40000);
  types = {9};
  EXPECT_THROW(m.GetType(types), std::overflow_error);
  EXPECT_EQ(types, std::vector<int16_t>{9});
}

TEST(LayerMapTable, BlockRoundTripAndRefusals) {
  kw::CLayerMap source;
  for (int16_t i = 0; i <= 14; ++i) source.LayerType(i, i % 3 - 70000 * (i == 9));
  source.SortChange(2, 7);
  const Bytes dat = BlockOf(source);
  kw::CLayerMap target;
  EXPECT_FALSE(target.SetBin(dat, 94));
  EXPECT_EQ(BlockOf(target), dat);
  Bytes wrong = BlockOf(kw::CLayerMap{});
  wrong[0] = 2;
  EXPECT_TRUE(target.SetBin(wrong, 94));
  EXPECT_TRUE(target.SetBin(std::span(wrong).first(93), 93));
  wrong[0] = 1;
  EXPECT_TRUE(target.SetBin(std::span(wrong).first(93), 93));
  EXPECT_EQ(BlockOf(target), dat);
}

}  // namespace
