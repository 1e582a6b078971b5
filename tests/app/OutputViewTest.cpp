// SPDX-License-Identifier: MIT
// The output view: lines shown from their storage in Windows-1251, whole
// lines selected and copied, find forwards and backwards, long lines.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>

#include "AppTestSupport.h"
#include "app/OutputView.h"
#include "text/TextLines.h"

namespace quillon::test {
namespace {

TTextLines Sample() {
  TTextLines Lines;
  Lines.Add("add_line@");
  Lines.Add("\xC2\xE5\xF0\xF5 layer");  // 1251 "Верх"
  Lines.Add("back@");
  Lines.Add(std::string(2000, 'x'));
  Lines.Add("ADD_LINE@ again");
  return Lines;
}

TEST(OutputView, ShowsTheLinesAsTheCodePageReadsThem) {
  const TTextLines Lines = Sample();
  app::TOutputView View;
  EXPECT_EQ(View.LineCount(), 0);
  EXPECT_TRUE(View.Text().isEmpty());
  View.SetLines(&Lines);
  View.resize(400, 200);
  EXPECT_EQ(View.LineCount(), 5);
  EXPECT_EQ(View.LineText(1), QString::fromUtf8("Верх layer"));
  EXPECT_EQ(View.LineText(9), QString());
  EXPECT_TRUE(View.Text().startsWith(QString::fromUtf8("add_line@\nВерх layer\nback@\n")));
  EXPECT_TRUE(View.Text().endsWith("again"));
  // The longest line scrolls sideways.
  EXPECT_GT(View.horizontalScrollBar()->maximum(), 1000);
  View.SetLines(nullptr);
  EXPECT_EQ(View.LineCount(), 0);
  EXPECT_EQ(View.horizontalScrollBar()->maximum(), 0);
}

TEST(OutputView, CopiesTheSelectedLines) {
  const TTextLines Lines = Sample();
  app::TOutputView View;
  View.SetLines(&Lines);
  EXPECT_TRUE(View.SelectedText().isEmpty());
  View.SelectLines(2, 1);
  EXPECT_EQ(View.SelectionFirst(), 1);
  EXPECT_EQ(View.SelectionLast(), 2);
  View.CopySelection();
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("Верх layer\nback@"));
  View.SelectLines(3, 99);  // clamped to the last line
  EXPECT_EQ(View.SelectionLast(), 4);
  View.SelectLines(-1, 0);
  EXPECT_TRUE(View.SelectedText().isEmpty());
}

TEST(OutputView, FindsForwardsBackwardsAndGoesRound) {
  const TTextLines Lines = Sample();
  app::TOutputPage Page;
  app::TOutputView& View = *Page.View();
  View.SetLines(&Lines);
  Page.FindEdit()->setText("add_line");
  ASSERT_TRUE(Page.FindNext());
  EXPECT_EQ(View.SelectionFirst(), 0);
  ASSERT_TRUE(Page.FindNext());  // letters in any case
  EXPECT_EQ(View.SelectionFirst(), 4);
  ASSERT_TRUE(Page.FindNext());  // round to the top
  EXPECT_EQ(View.SelectionFirst(), 0);
  ASSERT_TRUE(Page.FindPrevious());
  EXPECT_EQ(View.SelectionFirst(), 4);
  Page.FindEdit()->setText(QString::fromUtf8("Верх"));
  ASSERT_TRUE(Page.FindNext());
  EXPECT_EQ(View.SelectionFirst(), 1);
  Page.FindEdit()->setText("nowhere");
  EXPECT_FALSE(Page.FindNext());
  EXPECT_EQ(View.SelectionFirst(), 1);  // the selection stays
  Page.FindEdit()->setText("");
  EXPECT_FALSE(Page.FindPrevious());
}

TEST(OutputView, AFoundLineIsScrolledIntoView) {
  TTextLines Lines;
  for (int I = 0; I < 100000; ++I) Lines.Add("line " + std::to_string(I));
  app::TOutputView View;
  View.resize(300, 200);
  View.show();
  View.SetLines(&Lines);
  ASSERT_TRUE(View.Find("line 76543", false));
  EXPECT_EQ(View.SelectionFirst(), 76543);
  EXPECT_LE(View.FirstVisibleLine(), 76543);
  EXPECT_GT(View.FirstVisibleLine() + 30, 76543);
}

}  // namespace
}  // namespace quillon::test
