#include "upgrade/CatalogoEsquema.h"

#include "platform/TextCase.h"

namespace tramvel {
namespace {

using D = Defecto;

constexpr Accion C(std::string_view tabla, std::string_view campo, std::string_view tipo, Defecto d = D::kNinguno) {
  return {TipoAccion::kCampo, tabla, campo, tipo, d};
}
constexpr Accion S(std::string_view archivo) { return {TipoAccion::kScript, archivo}; }
constexpr Accion R(std::string_view sql) { return {TipoAccion::kSentencia, sql}; }
constexpr Accion kErrores{TipoAccion::kMostrarErrores, {}};
constexpr Accion kPreguntaVersion{TipoAccion::kCambioDeVersion, {}};
constexpr Accion kArithAbortOn{TipoAccion::kArithAbort, {}};
constexpr Accion W(std::string_view archivo) { return {TipoAccion::kScriptEnEspera, archivo}; }

// ----- preparations -----

constexpr Accion kFechaDeEsquema[] = {
    C("TA_CONFIGURACION", "FHUPDATE", "DATETIME"),
    S("COMPLETO.SQL"),
    S("VISTAS.SQL"),
    R("update ta_configuracion set fhupdate = '02/07/2004'"),
};
constexpr Accion kClaves[] = {
    C("TA_CONFIGURACION", "CLAVE", "NVARCHAR(50)"),
    C("TA_CONFIGURACION", "VALOR", "NVARCHAR(150)"),
    S("BG13072004.SQL"),
};
constexpr Accion kSiempre[] = {C("mv_ruteo", "M3", "float", D::kCero)};

// ----- the older upgrades -----

constexpr Accion kA1[] = {
    C("AUX_MV_STOCK", "ImpFletIda", "Money", D::kCero),   C("AUX_MV_STOCK", "ImpFacIda", "Money", D::kCero),
    C("AUX_MV_STOCK", "ImpFletVuelta", "Money", D::kCero), C("AUX_MV_STOCK", "ImpFacVuelta", "Money", D::kCero),
    C("AUX_MV_STOCK", "ImpTotalFac", "Money", D::kCero),  C("AUX_MV_STOCK", "ImpTotalFlet", "Money", D::kCero),
    C("AUX_MV_STOCK", "EsVacio", "BIT", D::kCero),        C("AUX_MV_STOCK", "IdCategoria", "NVARCHAR(4)"),
};
constexpr Accion kA2[] = {S("11062004-CantDesdeTarifas.sql"), R("UPDATE TA_TARIFA_NORMAL SET CantidadDesde = 0")};
constexpr Accion kA3[] = {C("MV_RUTEOCAB", "Notificado", "bit", D::kCero), R("UPDATE MV_RUTEOCAB SET NOTIFICADO = 0"),
                          S("MV_RUTEOCAB_Trigger.sql")};
constexpr Accion kA4[] = {S("TRG_MA_ARTICULOS.SQL"), S("TRG_MV_STOCK.SQL"), C("TA_EQUIV", "Especial", "bit", D::kCero)};
constexpr Accion kA5[] = {S("MV_RUTEOCAB_Tarifas.sql")};
constexpr Accion kA6[] = {C("MV_CPORTE_Tarifas", "ZONA", "NVARCHAR(7)")};
constexpr Accion kA7[] = {C("MA_CLIENTES", "CPORTEC", "NVARCHAR(1)"), C("MA_CLIENTES", "FHCPORTEC", "DATETIME"),
                          C("MA_CLIENTES", "NotificarEMAIL", "bit", D::kCero),
                          C("MA_CLIENTES", "NotificarWEB", "bit", D::kCero)};
constexpr Accion kA8[] = {C("MV_RUTEOCAB", "Imp_Flete", "Money"), C("MV_RUTEOCAB", "Imp_Seguro", "Money"),
                          C("MV_RUTEOCAB", "Imp_Otros", "Money"), C("MV_RUTEOCAB", "Bonificacion", "Money")};
constexpr Accion kA9[] = {S("bg08012004.sql")};
constexpr Accion kA10[] = {C("TA_TARIFA_NORMAL", "ZONA", "NVARCHAR(7)")};
constexpr Accion kA11[] = {S("bg19122003.sql"), C("TA_DISTLOCALIDADES", "Control", "bit", D::kCero)};
constexpr Accion kA12[] = {C("TA_CONFIGURACION", "SSL_CpteStockPorViajesPropio", "NVARCHAR(4)"),
                           C("TA_CONFIGURACION", "SSL_CpteStockPorViajesSucPropio", "NVARCHAR(4)"),
                           C("TA_CONFIGURACION", "SSL_CpteStockPorViajesLetPropio", "NVARCHAR(4)"),
                           C("TA_CONFIGURACION", "AforoKgxM3", "Money")};
constexpr Accion kA13[] = {C("MV_CPORTE", "TC_FACTURA", "NVARCHAR(4)"), C("MV_CPORTE", "Devolucion", "bit"),
                           C("MV_CPORTE", "Destinatario_Codigo", "NVARCHAR(16)"),
                           C("MV_CPORTE", "Destinatario_Sucursal", "NVARCHAR(6)")};
constexpr Accion kA14[] = {C("MV_RUTEOCAB", "Dev_CP_Suc", "nvarchar(4)"), C("MV_RUTEOCAB", "Dev_CP_Nro", "nvarchar(8)"),
                           C("MV_RUTEOCAB", "Dev_CP_Let", "nvarchar(1)")};
constexpr Accion kA15[] = {C("TA_TARIFA_NORMAL", "Adic_SeguroMinimo", "Money")};
constexpr Accion kA16[] = {C("TA_DistLocalidades", "CPOSTAL", "NVARCHAR(7)"),
                           C("TA_DistLocalidades", "Provincia", "NVARCHAR(4)"),
                           C("TA_DistLocalidades", "ZONA", "NVARCHAR(7)")};

constexpr BloqueAnterior kAnteriores[] = {
    {{}, {}, {}, kA1},
    {"TA_TARIFA_NORMAL", "CantidadDesde", "11-04-2004", kA2},
    {"MV_RUTEOCAB", "Notificado", "06-04-2004", kA3},
    {"TA_EQUIV", "Especial", "29-06-2004", kA4},
    {"MV_RUTEOCAB_Tarifas", {}, {}, kA5},
    {{}, {}, {}, kA6},
    {{}, {}, {}, kA7},
    {{}, {}, {}, kA8},
    {"MV_VIAJES_TARIFAS", {}, {}, kA9},
    {{}, {}, {}, kA10},
    {"TA_DISTLOCALIDADES", "Control", {}, kA11},
    {{}, {}, {}, kA12},
    {{}, {}, {}, kA13},
    {{}, {}, {}, kA14},
    {{}, {}, {}, kA15},
    {{}, {}, {}, kA16},
};

// ----- the dated chain -----

constexpr Accion k1[] = {S("STORES.SQL")};
constexpr Accion k2[] = {C("mv_ruteocab", "Dev_cr", "Money", D::kCero)};
constexpr Accion k3[] = {S("bg02092004.sql")};
constexpr Accion k4[] = {S("STORES.SQL")};
constexpr Accion k5[] = {S("VIEW_REMITOS_SIN_VIAJES.SQL")};
constexpr Accion k6[] = {S("STORES.SQL")};
constexpr Accion k7[] = {
    C("MA_ARTICULOS", "IdFamilia", "NVARCHAR(15)"),     C("MA_ARTICULOS", "UD_CPRA", "NVARCHAR(4)"),
    C("MA_ARTICULOS", "UD_STOCK", "NVARCHAR(4)"),       C("MA_ARTICULOS", "UD_TTE", "NVARCHAR(4)"),
    C("MA_ARTICULOS", "Presentacion", "NVARCHAR(50)"),  C("MA_ARTICULOS", "DescripAbrev", "NVARCHAR(50)"),
    C("ma_articulos", "CodigoBarraDun", "nvarchar(25)"), C("ma_articulos", "Perecedero", "bit", D::kCero),
    C("ma_articulos", "Pesable", "bit", D::kCero),
};
constexpr Accion k8[] = {C("MA_DESTINATARIOS", "TipoDocumento", "NVARCHAR(4)"),
                         C("MA_DESTINATARIOS", "NroDocumento", "NVARCHAR(15)"),
                         C("MA_DESTINATARIOS", "CondIVA", "NVARCHAR(4)"),
                         C("MA_DESTINATARIOS", "Provincia", "NVARCHAR(4)"),
                         C("MV_RUTEOCAB", "CondVTA", "NVARCHAR(4)"),
                         S("BG20041027.SQL")};
constexpr Accion k9[] = {S("V_TA_TAREAS.SQL"), S("MV_RUTEO_TAREAS.SQL"), S("TRG_MA_ARTICULOS.SQL"),
                         C("MV_RUTEOCAB", "PagoEnDestino", "Bit")};
constexpr Accion k10[] = {C("TA_ORIGEN_DEST", "Cuenta", "NvarChar(15)"),
                          C("TA_CONFIGURACION", "CodigoOrigen", "NvarChar(4)")};
constexpr Accion k11[] = {S("CONS_ORDENES_CONSOLIDADO.SQL")};
constexpr Accion k12[] = {S("WEB_STK_MA_ARTICULOS.SQL"), S("WEB_REMITOS_SIN_VIAJES.SQL"),
                          S("WEB_REMITOS_ENTREGADOS.SQL"), S("WEB_REMITOS_EN_TRANSITO.SQL"),
                          S("WEB_CONSULTA_COMPROBANTES.SQL")};
constexpr Accion k13[] = {S("V_MV_LIQCREEM.SQL"), C("MV_RUTEOCAB", "NroLiqCReem", "Int")};
constexpr Accion k14[] = {C("TA_CONFIGURACION", "CuentaOrigenDestino", "NvarChar(15)")};
constexpr Accion k15[] = {S("vistas.SQL")};
constexpr Accion k17[] = {C("TA_CONFIGURACION", "Remitos_Lineas", "int"), C("TA_CONFIGURACION", "Remitos_Copias", "int"),
                          S("CONS_ORDENES_CHOF.sql"), S("dw_actualizastockporpedido.sql")};
constexpr Accion k18[] = {C("TA_CONFIGURACION", "Web_Pass", "NvarChar(15)")};
constexpr Accion k19[] = {S("VISTAS.sql")};
constexpr Accion k20[] = {S("VISTAS.sql")};
constexpr Accion k21[] = {C("MV_SEGUIMIENTO", "CLIENTE", "NvarChar(4)"), S("dw_actualizastockporpedido.sql")};
constexpr Accion k22[] = {C("MA_CLIENTES", "CLAVE", "NvarChar(15)")};
constexpr Accion k23[] = {S("TA_ZONAS.sql"), S("TA_ZONAS_FILTROS.sql")};
constexpr Accion k24[] = {S("CONS_ORDENES_CONSOLIDADO.SQL")};
constexpr Accion k25[] = {S("TA_ZONAS.sql"), S("TA_ZONAS_FILTROS.sql"), S("CONS_ORDENES_CONSOLIDADO.SQL")};
constexpr Accion k26[] = {C("MV_RUTEOCAB", "COD_DESTINO", "NvarChar(4)"), C("MV_RUTEOCAB", "COBRADO", "money")};
constexpr Accion k27[] = {C("V_TA_TAREAS", "MULTIPLICAPOR", "NVarchar(4)")};
constexpr Accion k28[] = {C("TA_USUARIOS", "IdCaja", "NVarchar(4)"), C("TA_CONFIGURACION", "CodigoCF", "NVarchar(4)"),
                          S("MV_REMITENTE.SQL")};
constexpr Accion k29[] = {S("ind_MV_Stock.sql")};
constexpr Accion k30[] = {C("TA_PROVINCIAS", "CodDestino", "NVarchar(4)"), C("MV_RUTEOCAB", "CodOrigen", "NVarchar(4)")};
constexpr Accion k31[] = {
    C("MA_DESTINATARIOS", "MI_SQL_REC_NUM", "INT", D::kCero),
    C("MA_DESTINATARIOS", "X", "FLOAT", D::kCero),
    C("MA_DESTINATARIOS", "Y", "FLOAT", D::kCero),
    kPreguntaVersion,
    kArithAbortOn,
    kErrores,
    S("COMPLETO.SQL"),
    S("trigger.sql"),
    S("STORES.sql"),
    S("VISTAS.sql"),
};
constexpr Accion k32[] = {
    S("MA_POSIC.sql"),
    S("MA_POSICIONES_NOTAS.sql"),
    S("TMP_POSICIONES_Asistente.SQL"),
    C("TA_DEPOSITO", "CAPACIDAD", "FLOAT", D::kCero),
    C("TA_DEPOSITO", "UNIDAD", "NVARCHAR(4)", D::kCero),
    C("TA_DEPOSITO", "POSX", "FLOAT", D::kCero),
    C("TA_DEPOSITO", "POSY", "FLOAT", D::kCero),
    C("TA_DEPOSITO", "WIDTH", "FLOAT", D::kCero),
    C("TA_DEPOSITO", "HEIGHT", "FLOAT", D::kCero),
    C("TA_DEPOSITO", "COLOR", "NVARCHAR(10)", D::kCero),
    C("TA_DEPOSITO", "IMAGEN", "NVARCHAR(255)", D::kCero),
    S("DW_TMP_Posiciones_Asistente.SQL"),
    S("V_TA_FAMILIAS.sql"),
    S("Stk_Ac_SaldoPosicionLote.SQL"),
    C("MA_POSIC", "CLIENTE", "NVARCHAR(6)", D::kCero),
    S("St_SaldosPosicionDisponible.sql"),
    S("ST_SaldosPosicionArticuloLoteDisponible.sql"),
    S("St_SaldosPosicionArticuloLote.sql"),
    S("ST_SaldosPosicionArticuloDisponible.sql"),
};
constexpr Accion k33[] = {
    R("ALTER TABLE dbo.MV_RuteoCab ADD CONSTRAINT IX_MV_RuteoCab_7 UNIQUE NONCLUSTERED (ID) ON [PRIMARY]")};
constexpr Accion k34[] = {C("ma_articulos", "kilos", "FLOAT", D::kCero)};
constexpr Accion k35[] = {S("ST_ComprometidoVistas.sql")};
constexpr Accion k36[] = {S("Stk_Comprometido.sql")};
constexpr Accion k37[] = {C("mv_stock", "Valorizado", "FLOAT", D::kCero)};
constexpr Accion k38[] = {C("mv_RUTEO", "IDDEPOSITO", "NVARCHAR(4)")};
constexpr Accion k39[] = {S("dw_actualizastockporpedido.sql")};
constexpr Accion k40[] = {S("St_SaldosPosicionArticuloLote.sql")};
constexpr Accion k41[] = {C("TA_CONFIGURACION", "USACONSULTALIKE", "BIT", D::kUno)};
constexpr Accion k42[] = {S("DW_CTROLOCUPACIONCLIENTE.sql"), S("REMITOS_SIN_VIAJES.sql")};
constexpr Accion k43[] = {C("TA_TARIFA_NORMAL", "IDRUBRO", "NVARCHAR(4)")};
constexpr Accion k44[] = {C("MA_CLIENTES", "NotificarSeguro", "bit", D::kCero)};
constexpr Accion k45[] = {
    R("CREATE  INDEX [IX_MV_Stock_4] ON [dbo].[MV_Stock]([FECHA], [Cliente], [IDArticulo], [IdDeposito]) ON [PRIMARY]"),
    S("DW_CTROLOCUPACIONCLIENTE.sql")};
constexpr Accion k46[] = {C("TA_ESTADOS", "PideObservacion", "bit", D::kCero),
                          C("MV_SEGUIMIENTO", "OBSERVACION", "NVARCHAR(250)")};
constexpr Accion k47[] = {C("MA_CLIENTES", "EMAIL_SEGURO", "NVARCHAR(250)")};
constexpr Accion k48[] = {C("MA_CLIENTES", "EMAIL_ASUNTO", "NVARCHAR(250)"),
                          C("MA_CLIENTES", "EMAIL_VALORDECLARADO", "MONEY")};
constexpr Accion k49[] = {S("DEVOLPENDIENTES.sql")};
constexpr Accion k50[] = {C("TA_TIPOVIAJE", "UDF", "NVARCHAR(4)"), C("TA_TIPOVIAJE", "CDC", "NVARCHAR(4)")};
constexpr Accion k51[] = {S("QL_DEVOL.sql")};
constexpr Accion k52[] = {C("MV_CONTROL_INGRESOS", "FINVIAJE", "smalldatetime")};
constexpr Accion k53[] = {C("MV_CONTROL_INGRESOS", "FINVIAJE", "smalldatetime")};
constexpr Accion k54[] = {S("MAPINFO_LOCALIDADES.sql")};
constexpr Accion k55[] = {S("ModificaTA_DistLocalidades.SQL"), S("ModificaTA_DistLocalidades2.SQL"),
                          C("MV_RUTEOCAB", "Comodato", "Float", D::kCero), C("MV_RUTEO", "Comodato", "Float", D::kCero),
                          C("MV_CONTROL_INGRESOS", "FIN", "smalldatetime")};
constexpr Accion k56[] = {C("MV_RUTEOCAB", "Orden", "Int", D::kCero)};
constexpr Accion k57[] = {C("MV_RUTEOCAB", "FhsNovedad", "DateTime")};
constexpr Accion k58[] = {S("Ql_DevolPendienteNew.sql")};
constexpr Accion k59[] = {S("V_MA_EMAIL.sql"), S("V_MA_EMAILMOV.sql"), S("VT_V_MA_EMAILMOV.sql")};
constexpr Accion k60[] = {S("Ql_MarcadosDevolCab.sql")};
constexpr Accion k61[] = {S("Ql_Devoluciones.sql")};
constexpr Accion k62[] = {S("Ql_MarcadosDevolCab.sql"), S("Ql_DevolPendiente.sql"), S("Ql_DevolPendienteNew.sql")};
constexpr Accion k63[] = {S("Ql_MarcadosDevolCab.sql"), S("Ql_DevolReparto.sql")};
constexpr Accion k64[] = {C("TA_CONFIGURACION", "UsoChoferEnViaje", "Bit"),
                          R("update ta_configuracion set UsoChoferEnViaje = 0")};
constexpr Accion k65[] = {C("TMP_RUTEO", "NroLote", "nvarchar(25)"), kErrores};
constexpr Accion k66[] = {S("CONS_ORDENES_CONSOLIDADO.sql"), S("DW_CONSOLIDAORDENES1.sql")};
constexpr Accion k68[] = {S("ST_SaldoArticuloLote.sql"), S("Pr_Crosstab.sql"), S("TA_CONFIG_FORM.sql")};
constexpr Accion k69[] = {S("ST_SaldoArticuloLote.sql"), S("Pr_Crosstab.sql"), S("TA_CONFIG_FORM.sql")};
constexpr Accion k70[] = {C("TA_CONFIGURACION", "SSL_CodigoM3", "nvarchar(4)"),
                          C("TA_CONFIGURACION", "SSL_CodigoKILOS", "nvarchar(4)"),
                          C("TA_CONFIGURACION", "SSL_CodigoBULTOS", "nvarchar(4)")};
constexpr Accion k71[] = {S("PL_MVRUTEOCAB.sql")};
constexpr Accion k72[] = {S("PL_MVSTOCK.sql"), C("MV_STOCK", "CANTIDADUD", "FLOAT"),
                          C("MA_ARTICULOS", "CANTIDADUD", "FLOAT")};
constexpr Accion k73[] = {C("MV_RUTEO", "CantPallets", "FLOAT"), C("MV_RUTEO", "CantUnidades", "FLOAT")};
constexpr Accion k74[] = {
    C("TA_USUARIOS", "eMail_usuario", "nvarchar(150)"),    C("TA_USUARIOS", "eMail_password", "nvarchar(150)"),
    C("TA_USUARIOS", "email_ServerOtro", "nvarchar(150)"), C("TA_USUARIOS", "eMail_Server", "nvarchar(150)"),
    C("TA_USUARIOS", "RutaImgFirma", "nvarchar(250)"),     C("TA_USUARIOS", "Firma", "nvarchar(250)"),
    C("TA_USUARIOS", "ImgPos", "nvarchar(2)"),
};
constexpr Accion k77[] = {S("STK_AC_Saldo.sql"), S("Stk_AC_SaldoPosicion.sql"), S("Stk_AC_SaldoPosicionLote.sql"),
                          S("PL_SaldosStock.SQL"), S("PL_MVSTOCK.sql")};
constexpr Accion k78[] = {S("TRG_TA_DEPOSITO.sql")};
constexpr Accion k79[] = {S("PL_SaldosStockPosic.sql")};
constexpr Accion k80[] = {S("MV_INVENTARIOS.sql"), S("VT_MV_INVENTARIOS.sql"), S("PL_MVSTOCK.sql"),
                          S("PL_SaldosStock.sql"), S("SP_inventario.sql")};
constexpr Accion k81[] = {S("PL_MVSTOCK.sql"), S("ST_SaldosVistasNew.sql")};
constexpr Accion k82[] = {S("VT_MV_INVENTARIOS.sql")};
constexpr Accion k83[] = {S("V_MV_CTROL_CPTE.sql")};
constexpr Accion k84[] = {S("PL_MVRUTEOCAB.SQL")};
constexpr Accion k85[] = {S("MV_APLIC_STK.sql")};
constexpr Accion k86[] = {S("VT_APLIC_STKCONS.sql")};
constexpr Accion k87[] = {S("PL_MVSTOCK.sql"), S("PL_SALDOSSTOCK.sql"), S("PL_SALDOSSTOCKPOSIC.sql")};
constexpr Accion k88[] = {S("ST_SaldoArticuloLote.sql"), S("ST_SaldoArticuloDepositoLote.sql"),
                          S("ST_SaldoArticuloDepositoLotePosicion.sql"), S("PL_SaldosStock2.SQL")};
constexpr Accion k89[] = {C("MV_APLIC_STKDET", "NroLote", "nvarchar(25)"), S("ST_SaldoArticuloLote.sql")};
constexpr Accion k90[] = {S("St_SaldoArticulo.sql")};
constexpr Accion k91[] = {S("Web_Consulta_Comprobantes.sql")};
constexpr Accion k92[] = {S("Web_Consulta_Comprobantes.sql")};
constexpr Accion k93[] = {C("MV_RUTEOCAB", "NroCOT", "nvarchar(250)"), C("MA_CLIENTES", "COT_PASSWORD", "nvarchar(150)"),
                          C("MA_CLIENTES", "COT_PLANTA", "nvarchar(50)"), C("MA_CLIENTES", "COT_PUERTA", "nvarchar(50)"),
                          C("MA_CLIENTES", "USACOT", "BIT", D::kCero)};
constexpr Accion k94[] = {C("MA_DESTINATARIOS", "Domicilio_Numero", "nvarchar(50)"),
                          C("MA_CLIENTES", "Domicilio_Numero", "nvarchar(50)")};
constexpr Accion k95[] = {C("TA_UNIDAD", "CodigoArba", "nvarchar(4)"), C("TA_PROVINCIAS", "CodigoArba", "nvarchar(4)"),
                          S("MV_COT_CAB.sql"), S("MV_COT_DET.sql"), W("COT_FAMILIAS.sql")};
constexpr Accion k96[] = {C("MV_APLIC_STKDET", "IDPOSICION", "nvarchar(25)"),
                          C("MV_APLIC_STK", "IDDEPOSITO", "nvarchar(4)"),
                          S("St_SaldosPosicionArticuloLote.sql"),
                          S("PL_SaldosStockPosic.sql"),
                          S("ST_SaldoArticuloDepositoLote.sql"),
                          S("ST_SaldoArticuloLote.sql"),
                          S("PL_SaldosStock2.sql"),
                          S("PL_SaldosStock.sql")};
constexpr Accion k97[] = {S("QL_MARCADOSDEVOLCAB.sql"), S("QL_MARCADOSDEVOLDET.sql"), S("QL_DEVOLPENDIENTENEW.sql")};
constexpr Accion k98[] = {C("MA_VEHICULOS", "SegSatelital", "BIT", D::kCero)};
constexpr Accion k99[] = {C("MA_CLIENTES", "IdFamilia", "NVARCHAR(15)", D::kCero)};

constexpr std::span<const Accion> kNada{};

constexpr PasoFechado kPasos[] = {
    {"02/07/2004", true, k1, "01/09/2004"},   {"01/09/2004", true, k2, "02/09/2004"},
    {"02/09/2004", true, k3, "03/09/2004"},   {"03/09/2004", true, k4, "04/09/2004"},
    {"04/09/2004", true, k5, "05/09/2004"},   {"05/09/2004", true, k6, "13/09/2004"},
    {"13/09/2004", true, k7, "30/09/2004"},   {"30/09/2004", true, k8, "27/10/2004"},
    {"27/10/2004", true, k9, "28/10/2004"},   {"28/10/2004", true, k10, "03/11/2004"},
    {"03/11/2004", true, k11, "04/11/2004"},  {"04/11/2004", true, k12, "10/11/2004"},
    {"10/11/2004", true, k13, "25/11/2004"},  {"25/11/2004", true, k14, "26/11/2004"},
    {"26/11/2004", true, k15, "18/02/2005"},  {"18/02/2005", false, kNada, "19/02/2005"},
    {"19/02/2005", true, k17, "20/02/2005"},  {"20/02/2005", false, k18, "21/02/2005"},
    {"21/02/2005", false, k19, "22/02/2005"}, {"22/02/2005", false, k20, "10/06/2005"},
    {"10/06/2005", false, k21, "23/09/2005"}, {"23/09/2005", false, k22, "20/10/2005"},
    {"20/10/2005", false, k23, "21/10/2005"}, {"21/10/2005", false, k24, "04/07/2006"},
    {"04/07/2006", false, k25, "05/07/2006"}, {"05/07/2006", false, k26, "06/07/2006"},
    {"06/07/2006", false, k27, "07/07/2006"}, {"07/07/2006", false, k28, "08/07/2006"},
    {"08/07/2006", false, k29, "05/09/2006"}, {"05/09/2006", false, k30, "06/09/2006"},
    {"06/09/2006", false, k31, "06/10/2006"}, {"06/10/2006", false, k32, "07/10/2006"},
    {"07/10/2006", false, k33, "08/10/2006"}, {"08/10/2006", false, k34, "06/06/2007"},
    {"06/06/2007", false, k35, "07/06/2007"}, {"07/06/2007", false, k36, "28/06/2007"},
    {"28/06/2007", false, k37, "02/08/2007"}, {"02/08/2007", false, k38, "17/11/2007"},
    {"17/11/2007", false, k39, "19/11/2007"}, {"19/11/2007", false, k40, "20/11/2007"},
    {"20/11/2007", false, k41, "05/12/2007"}, {"05/12/2007", false, k42, "01/03/2008"},
    {"01/03/2008", false, k43, "02/03/2008"}, {"02/03/2008", false, k44, "03/03/2008"},
    {"03/03/2008", false, k45, "04/03/2008"}, {"04/03/2008", false, k46, "05/03/2008"},
    {"05/03/2008", false, k47, "06/03/2008"}, {"06/03/2008", false, k48, "07/03/2008"},
    {"07/03/2008", false, k49, "17/03/2008"}, {"17/03/2008", false, k50, "23/09/2008"},
    {"23/09/2008", false, k51, "09/10/2008"}, {"09/10/2008", false, k52, "10/10/2008"},
    {"10/10/2008", false, k53, "15/10/2008"}, {"15/10/2008", false, k54, "10/11/2009"},
    {"10/11/2009", false, k55, "11/11/2009"}, {"11/11/2009", false, k56, "12/11/2009"},
    {"12/11/2009", false, k57, "12/05/2010"}, {"12/05/2010", false, k58, "21/09/2010"},
    {"21/09/2010", false, k59, "25/09/2010"}, {"25/09/2010", false, k60, "26/09/2010"},
    {"26/09/2010", false, k61, "27/09/2010"}, {"27/09/2010", false, k62, "12/11/2010"},
    {"12/11/2010", false, k63, "01/12/2010"}, {"01/12/2010", false, k64, "10/01/2011"},
    {"10/01/2011", false, k65, "11/01/2011"}, {"11/01/2011", false, k66, "12/01/2011"},
    {"12/01/2011", false, kNada, "18/01/2011"}, {"18/01/2011", false, k68, "19/01/2011"},
    {"19/01/2011", false, k69, "20/01/2011"}, {"20/01/2011", false, k70, "21/11/2011"},
    {"21/11/2011", false, k71, "22/11/2011"}, {"22/11/2011", false, k72, "23/11/2011"},
    {"23/11/2011", false, k73, "24/11/2011"}, {"24/11/2011", false, k74, "25/11/2011"},
    {"25/11/2011", false, kNada, "26/11/2011"}, {"26/11/2011", false, kNada, "27/11/2011"},
    {"27/11/2011", false, k77, "28/11/2011"}, {"28/11/2011", false, k78, "29/11/2011"},
    {"29/11/2011", false, k79, "30/11/2011"}, {"30/11/2011", false, k80, "01/12/2011"},
    {"01/12/2011", false, k81, "02/12/2011"}, {"02/12/2011", false, k82, "03/12/2011"},
    {"03/12/2011", false, k83, "04/12/2011"}, {"04/12/2011", false, k84, "05/12/2011"},
    {"05/12/2011", false, k85, "06/12/2011"}, {"06/12/2011", false, k86, "12/12/2011"},
    {"12/12/2011", false, k87, "19/01/2012"}, {"19/01/2012", false, k88, "06/02/2012"},
    {"06/02/2012", false, k89, "14/02/2012"}, {"14/02/2012", false, k90, "15/02/2012"},
    {"15/02/2012", false, k91, "03/04/2012"}, {"03/04/2012", false, k92, "09/04/2012"},
    {"09/04/2012", false, k93, "25/04/2012"}, {"25/04/2012", false, k94, "26/04/2012"},
    {"26/04/2012", false, k95, "27/04/2012"}, {"27/04/2012", false, k96, "04/07/2012"},
    {"04/07/2012", false, k97, "25/06/2013"}, {"25/06/2013", false, k98, "07/08/2013"},
    {"07/08/2013", false, k99, "08/10/2013"},
};

}  // namespace

std::span<const PasoFechado> PasosFechados() { return kPasos; }

const PasoFechado* BuscarPaso(std::string_view clave) {
  for (const PasoFechado& paso : kPasos) {
    if (EqualsIgnoreCase(paso.clave, clave)) return &paso;
  }
  return nullptr;
}

int PasosRestantes(std::string_view clave) {
  if (EqualsIgnoreCase(clave, kClaveFinal)) return 0;
  const std::span<const PasoFechado> pasos = kPasos;
  for (std::size_t i = 0; i < pasos.size(); ++i) {
    if (EqualsIgnoreCase(pasos[i].clave, clave)) return static_cast<int>(pasos.size() - i);
  }
  return -1;
}

std::span<const BloqueAnterior> BloquesAnteriores() { return kAnteriores; }

std::span<const Accion> PreparacionFechaDeEsquema() { return kFechaDeEsquema; }
std::span<const Accion> PreparacionClaves() { return kClaves; }
std::span<const Accion> PreparacionSiempre() { return kSiempre; }

}  // namespace tramvel
