#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EmbeddedFixture.h"
#include "ado/Recordset.h"

namespace tramvel::testing {
namespace {

class Devoluciones : public EmbeddedFixture {
 protected:
  Devoluciones() {
    Run("CREATE TABLE Ql_DevolPendiente (Nro_Viaje NVARCHAR(20), IDCOMPROBANTE NVARCHAR(20), Devolucion FLOAT)");
    Run("CREATE TABLE Ql_DevolVaciosPendientes (IdComprobante_Origen NVARCHAR(20), IDCOMPROBANTE NVARCHAR(20), "
        "Pendiente FLOAT)");
    Run("INSERT INTO Ql_DevolPendiente VALUES ('V1', 'R3', 1), ('V1', 'R1', 2), ('V2', 'R2', 3), ('O''K', 'R9', 4), "
        "('', 'R0', 5)");
    Run("INSERT INTO Ql_DevolVaciosPendientes VALUES ('V1', 'R2', 6), ('V1', 'R1', 7)");
  }

  static std::vector<std::string> Comprobantes(ado::Recordset& rs) {
    std::vector<std::string> found;
    for (; !rs.Eof(); rs.MoveNext()) found.push_back(rs.Fields("IDCOMPROBANTE").Value().ToText());
    return found;
  }
};

TEST_F(Devoluciones, ReopensTheCallersRecordsetWithItsOwnTypesInTheOrderOfTheNotes) {
  ado::Recordset rs;
  rs.SetCursorType(ado::adOpenStatic);
  rs.SetLockType(ado::adLockOptimistic);
  dll.TraerDevoluciones("V1", rs);
  EXPECT_EQ(rs.CursorType(), ado::adOpenStatic);
  EXPECT_EQ(rs.LockType(), ado::adLockOptimistic);
  EXPECT_EQ(Comprobantes(rs), (std::vector<std::string>{"R1", "R3"}));

  // Open already: closed first, then reopened on the other trip.
  dll.TraerDevoluciones("O'K", rs);
  EXPECT_EQ(Comprobantes(rs), std::vector<std::string>{"R9"});
  dll.TraerDevoluciones("", rs);
  EXPECT_EQ(Comprobantes(rs), std::vector<std::string>{"R0"});
}

TEST_F(Devoluciones, EmptyContainersAreReadByTheOriginDocument) {
  ado::Recordset rs;
  dll.TraerDevolucionesCons("V1", rs);
  EXPECT_EQ(rs.CursorType(), ado::adOpenForwardOnly);
  EXPECT_EQ(Comprobantes(rs), (std::vector<std::string>{"R1", "R2"}));
  dll.TraerDevolucionesCons("V'2", rs);
  EXPECT_TRUE(rs.Bof());
}

TEST_F(Devoluciones, AFailureReachesTheCaller) {
  Run("DROP TABLE Ql_DevolVaciosPendientes");
  ado::Recordset rs;
  EXPECT_THROW(dll.TraerDevolucionesCons("V1", rs), Failure);
  Dll_SYD sinConexion(platform);
  EXPECT_THROW(sinConexion.TraerDevoluciones("V1", rs), Failure);
}

}  // namespace
}  // namespace tramvel::testing
