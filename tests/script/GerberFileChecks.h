// SPDX-License-Identifier: MIT
#pragma once
// Checks that a Gerber file is sound. gerbv, an independent reader, renders
// it: it always exits 0, so it is judged by what it prints ("CRITICAL" or
// "WARNING") and by the picture being written. It passes an unclosed region
// silently, which the structural check catches.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/OutputPaths.h"
#include "support/TestFiles.h"
#include "text/TextLines.h"

namespace quillon::test {

inline bool HaveGerbv() { return std::system("command -v gerbv >/dev/null") == 0; }

// Regions open and close in pairs; outside a region nothing is drawn or
// flashed before an aperture is selected.
inline void CheckGerberStructure(const std::string& Name, const std::string& Text) {
  const TTextLines Lines = TTextLines::FromText(Text);
  ASSERT_GT(Lines.Count(), 0) << Name;
  bool InRegion = false, Selected = false;
  for (int I = 0; I < Lines.Count(); ++I) {
    const std::string_view L = Lines[I];
    if (L == "G36*") {
      EXPECT_FALSE(InRegion) << Name << " line " << I + 1 << ": region inside a region";
      InRegion = true;
    } else if (L == "G37*") {
      EXPECT_TRUE(InRegion) << Name << " line " << I + 1 << ": G37 without G36";
      InRegion = false;
    } else if (L.starts_with("G54D")) {
      Selected = true;
    } else if (!InRegion && (L.ends_with("D01*") || L.ends_with("D03*"))) {
      EXPECT_TRUE(Selected) << Name << " line " << I + 1 << ": " << L << " before any G54";
    }
  }
  EXPECT_FALSE(InRegion) << Name << ": region left open";
  EXPECT_EQ(Lines[Lines.Count() - 1], "M02*") << Name;
}

inline void CheckWithGerbv(const std::string& File) {
  const std::string Png = File + ".png", Err = File + ".err";
  const std::string Cmd = "gerbv -x png -D 200 -o '" + Png + "' '" + File + "' 2>'" + Err + "'";
  ASSERT_EQ(std::system(Cmd.c_str()), 0) << Cmd;
  const std::string Complaints = ReadFile(Err);
  EXPECT_EQ(Complaints.find("CRITICAL"), std::string::npos) << File << ":\n" << Complaints;
  EXPECT_EQ(Complaints.find("WARNING"), std::string::npos) << File << ":\n" << Complaints;
  ASSERT_TRUE(std::filesystem::exists(Png)) << File;
  EXPECT_GT(std::filesystem::file_size(Png), 0u) << File;
}

}  // namespace quillon::test
