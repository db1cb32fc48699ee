#include <gtest/gtest.h>

#include "InterfaceParameters.h"
#include "MasterTables.h"

namespace tramvel::interfaces {
namespace {

using Names = std::vector<std::string>;

TEST(MasterTableList, ReadsNamesBetweenCommasOnceEach) {
  const MasterTables tables = ParseMasterTables(" MA_CLIENTES , ma_articulos,,MA_Clientes,TA_2 ");
  EXPECT_EQ(tables.error, "");
  EXPECT_EQ(tables.tables, (Names{"MA_CLIENTES", "ma_articulos", "TA_2"}));
}

TEST(MasterTableList, RefusesANameThatIsNoPlainIdentifierOrNoNameAtAll) {
  for (const char* list : {"MA_CLIENTES;DROP TABLE X", "MA CLIENTES", "1TABLA", "../ETC", " , "}) {
    const MasterTables tables = ParseMasterTables(list);
    EXPECT_NE(tables.error, "") << list;
    EXPECT_TRUE(tables.tables.empty()) << list;
  }
}

TEST(MasterTableFiles, AFileLoadsIntoTheTableItIsNamedAfterInAnyCase) {
  const Names tables = {"MA_CLIENTES", "TA_TARIFAS_ARTICULOS"};
  EXPECT_EQ(FileOfTable("MA_CLIENTES"), "MA_CLIENTES.csv");
  EXPECT_EQ(TableOfFile("ma_clientes.CSV", tables), "MA_CLIENTES");
  EXPECT_EQ(TableOfFile("TA_TARIFAS_ARTICULOS.csv", tables), "TA_TARIFAS_ARTICULOS");
  for (const char* other : {"Estados.txt", "MA_CLIENTES.csv.tmp", "MA_CLIENTES", ".csv", "MA_ARTICULOS.csv"}) {
    EXPECT_EQ(TableOfFile(other, tables), std::nullopt) << other;
  }
}

TEST(InterfaceText, ReadsTheFieldsTheJobWrites) {
  const InterfaceParameters read = ReadInterfaceParameters(
      " @server=SRV01:1433; @dbname=GESTION; @usuario=ana; @Password=p a; @ParametroAdicional=AUTO;");
  EXPECT_EQ(read.servidor, "SRV01");
  EXPECT_EQ(read.baseDeDatos, "GESTION");
  EXPECT_EQ(read.usuario, "ana");
  EXPECT_EQ(read.password, "p a");
  EXPECT_EQ(read.parametroAdicional, "AUTO");
}

}  // namespace
}  // namespace tramvel::interfaces
