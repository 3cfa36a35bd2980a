#include "app/tableexport.h"

#include <gtest/gtest.h>

#include "support/fake_host.h"
#include "support/temp_dir.h"
#include "support/xlsx_reader.h"

namespace kavrin::test {
namespace {

const TExportTable Rating{"Рейтинг", {"Комментарий", "Ставок"}, {{"вручную", "3"}}, {}};

TEST(TableExport, SaveDialogWorkbookAndTheOfferToOpenIt) {
  TempDir dir;
  FakeHost host;
  host.files = {std::nullopt};  // the dialog is cancelled
  TableXlsExport(host, Rating);
  EXPECT_TRUE(host.messages.empty());

  const std::string path = dir.File("рейтинг.xlsx");
  host.files = {path, path};
  host.answers = {true, false};
  TableXlsExport(host, Rating);
  TableXlsExport(host, Rating);
  const Message offer{"question", "Таблица сохранена в файл \"" + path + "\".\r\rОткрыть файл?", "Подтверждение"};
  EXPECT_EQ(host.messages, (std::vector<Message>{offer, offer}));
  EXPECT_EQ(host.openedUrls, std::vector<std::string>{path});
  EXPECT_EQ(XlsxBook(path).ShownAsTsv(), "Комментарий\tСтавок\nвручную\t3\n");
}

TEST(TableExport, AFailedWriteShowsTheFileErrorAndOffersNothing) {
  TempDir dir;
  FakeHost host;
  const std::string path = dir.File("missing/t.xlsx");
  host.files = {path};
  TableXlsExport(host, Rating);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, "error");
  EXPECT_EQ(host.messages[0].text.rfind("Ошибка записи в файл \"" + path + "\"!\r\r", 0), 0u) << host.messages[0].text;
  EXPECT_TRUE(host.openedUrls.empty());
}

}  // namespace
}  // namespace kavrin::test
