#include <gtest/gtest.h>

#include "KeptOut.h"

namespace vorlane::mkdata {
namespace {

// Words whose old innocent sense the dictionary still gives, but that a player reads today
// as vulgar: they stay out however the sources define them.
TEST(KeptOutTest, TodaysVulgarReadingsStayOutAndTheirNeighboursStayIn) {
  for (const char* key : {"NIQUER", "BRANLE", "FOUTRE", "PUTAIN", "BICOTS", "YOUPIN"}) {
    EXPECT_TRUE(isKeptOut(key)) << key;
  }
  for (const char* key : {"NIQUEE", "BAISER", "CHATTE", "BANDER", "A", ""}) {
    EXPECT_FALSE(isKeptOut(key)) << key;
  }
}

}  // namespace
}  // namespace vorlane::mkdata
