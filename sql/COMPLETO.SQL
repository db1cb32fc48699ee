-- COMPLETO.SQL: the base schema of the business database.
-- Creates the configuration table with its one settings row, the users, menu
-- and task tables, the access log Control_Acceso, the error table AUX_ERR,
-- the master tables of customers, consignees, articles, distances and
-- article tariffs, the routing tables MV_RUTEOCAB and MV_RUTEO, every other
-- table that the schema upgrade adds columns to, and the views of pending
-- returns and of trip valuation.
--
-- The database it leaves stands at the schema date 02/07/2004
-- (TA_CONFIGURACION.FHUPDATE), the key of the first dated upgrade step, so
-- the upgrade adds every column of later dates itself; none of them is here.
-- The columns of the undated older upgrades are here, because those run only
-- on a database that has no FHUPDATE yet.
--
-- The upgrade runs this script again on a live database: a table or view
-- that exists already is reported as existing and left alone, and the
-- settings row is added only to an empty configuration table.
-- Batches are separated by GO lines; lines end in CR LF.

-- Two kinds of rows share this table: key/value rows (Clave, Valor,
-- ValorAux, Grupo, PoliticaNegocio), looked up by Clave, and the settings
-- row, read by column name as the table's first row (FHUPDATE, the schema
-- date, and ssl_depositodefault, the default warehouse). Clave is left
-- nullable and unkeyed because the settings row has none.
CREATE TABLE TA_CONFIGURACION (
    Clave NVARCHAR(50) NULL,
    Valor NVARCHAR(150) NULL,
    ValorAux NVARCHAR(150) NULL,
    Grupo NVARCHAR(50) NULL,
    PoliticaNegocio BIT NULL DEFAULT 0,
    FHUPDATE DATETIME NULL,
    ssl_depositodefault NVARCHAR(4) NULL,
    SSL_CpteStockPorViajesPropio NVARCHAR(4) NULL,
    SSL_CpteStockPorViajesSucPropio NVARCHAR(4) NULL,
    SSL_CpteStockPorViajesLetPropio NVARCHAR(4) NULL,
    AforoKgxM3 MONEY NULL
)
GO

-- UNegocio is a four-character business-unit code ("   1" when none).
CREATE TABLE ta_usuarios (
    Nombre NVARCHAR(50) NOT NULL,
    UNegocio NVARCHAR(4) NULL,
    VerProforma BIT NULL DEFAULT 0,
    CONSTRAINT PK_ta_usuarios PRIMARY KEY (Nombre)
)
GO

-- Proceso lists the programs a menu entry opens; the access log finds a
-- user's task by searching it with LIKE.
CREATE TABLE TA_MENU (
    Clave NVARCHAR(20) NOT NULL,
    Nombre NVARCHAR(100) NULL,
    Proceso NVARCHAR(250) NULL,
    CONSTRAINT PK_TA_MENU PRIMARY KEY (Clave)
)
GO

CREATE TABLE TA_TAREAS (
    USUARIO NVARCHAR(50) NOT NULL,
    TAREA NVARCHAR(20) NOT NULL,
    CONSTRAINT PK_TA_TAREAS PRIMARY KEY (USUARIO, TAREA)
)
GO

-- Every start of a program adds a row. The texts are wide enough for any
-- login or computer name, so that the insert itself never fails.
CREATE TABLE Control_Acceso (
    Id INT IDENTITY(1,1) NOT NULL,
    Maquina NVARCHAR(128) NULL,
    Usuario NVARCHAR(128) NULL,
    Formulario NVARCHAR(128) NULL,
    Tarea NVARCHAR(100) NULL,
    Ingreso DATETIME NULL DEFAULT GETDATE(),
    NombreUsuario NVARCHAR(128) NULL
)
GO

-- A failed statement list leaves its script and error here. Fecha keeps the
-- moment of the row even when the written time stamp cannot be stored.
CREATE TABLE AUX_ERR (
    Id INT IDENTITY(1,1) NOT NULL,
    Proceso NVARCHAR(128) NULL,
    Fecha DATETIME NULL DEFAULT GETDATE(),
    Error INT NULL,
    Descripcion NVARCHAR(255) NULL,
    SQL NVARCHAR(4000) NULL,
    PC NVARCHAR(128) NULL,
    Usuario NVARCHAR(128) NULL
)
GO

CREATE TABLE MA_CLIENTES (
    CODIGO NVARCHAR(16) NOT NULL,
    RAZON_SOCIAL NVARCHAR(100) NULL,
    CONTACTO NVARCHAR(50) NULL,
    Domicilio NVARCHAR(100) NULL,
    CPORTEC NVARCHAR(1) NULL,
    FHCPORTEC DATETIME NULL,
    NotificarEMAIL BIT NULL DEFAULT 0,
    NotificarWEB BIT NULL DEFAULT 0,
    CONSTRAINT PK_MA_CLIENTES PRIMARY KEY (CODIGO)
)
GO

-- One row per branch of a customer that receives goods.
CREATE TABLE MA_DESTINATARIOS (
    CODIGO NVARCHAR(16) NOT NULL,
    SUCURSAL NVARCHAR(6) NOT NULL,
    Nombre NVARCHAR(100) NULL,
    Domicilio NVARCHAR(100) NULL,
    LOCALIDAD NVARCHAR(50) NULL,
    CONSTRAINT PK_MA_DESTINATARIOS PRIMARY KEY (CODIGO, SUCURSAL)
)
GO

-- ARETORNAR marks a returnable container when greater than 0; it is a
-- number, not a bit, because a bit reads as True (-1) and never passes > 0.
CREATE TABLE MA_ARTICULOS (
    IdArticulo NVARCHAR(25) NOT NULL,
    Descripcion NVARCHAR(100) NULL,
    IdCategoria NVARCHAR(4) NULL,
    ARETORNAR SMALLINT NULL DEFAULT 0,
    CONSTRAINT PK_MA_ARTICULOS PRIMARY KEY (IdArticulo)
)
GO

CREATE TABLE TA_DISTLOCALIDADES (
    LOCALIDAD NVARCHAR(50) NOT NULL,
    Distancia FLOAT NULL,
    Control BIT NULL DEFAULT 0,
    CPOSTAL NVARCHAR(7) NULL,
    Provincia NVARCHAR(4) NULL,
    ZONA NVARCHAR(7) NULL,
    CONSTRAINT PK_TA_DISTLOCALIDADES PRIMARY KEY (LOCALIDAD)
)
GO

-- A tariff applies from its Fecha on. An empty supplier, vehicle type or
-- category stands for any: the lookup widens to those rows when no row
-- names them all.
CREATE TABLE TA_TARIFAS_ARTICULOS (
    TipoTarifa NVARCHAR(4) NOT NULL,
    Proveedor NVARCHAR(6) NOT NULL DEFAULT '',
    IdTipoVehiculo NVARCHAR(4) NOT NULL DEFAULT '',
    IdCategoria NVARCHAR(4) NOT NULL DEFAULT '',
    IdArticulo NVARCHAR(25) NOT NULL,
    Fecha DATETIME NOT NULL,
    TarifaIda MONEY NULL,
    TarifaVuelta MONEY NULL,
    CONSTRAINT PK_TA_TARIFAS_ARTICULOS PRIMARY KEY (TipoTarifa, Proveedor, IdTipoVehiculo, IdCategoria, IdArticulo, Fecha)
)
-- Every tariff lookup names the tariff type and the article and takes the
-- latest Fecha; the key serves only the lookup that names all five codes.
CREATE INDEX IX_TA_TARIFAS_ARTICULOS_Articulo ON TA_TARIFAS_ARTICULOS (TipoTarifa, IdArticulo, Fecha)
GO

-- One row per delivery note: its document, the trip that carries it (with
-- the trip's date, carrier and vehicle type) and where it goes. A return
-- document, once made, is recorded in Dev_CP_Let, Dev_CP_Suc and Dev_CP_Nro.
-- ID gets its unique constraint from the upgrade of 07/10/2006.
CREATE TABLE MV_RUTEOCAB (
    ID INT IDENTITY(1,1) NOT NULL,
    IdComprobante NVARCHAR(20) NULL,
    Nro_Viaje NVARCHAR(20) NULL,
    Fecha DATETIME NULL,
    Proveedor NVARCHAR(6) NULL,
    TIPO_VEHICULO NVARCHAR(4) NULL,
    CODIGO_CLIENTE NVARCHAR(16) NULL,
    SUCURSAL_CLIENTE NVARCHAR(6) NULL,
    LOCALIDAD NVARCHAR(50) NULL,
    Notificado BIT NULL DEFAULT 0,
    Imp_Flete MONEY NULL,
    Imp_Seguro MONEY NULL,
    Imp_Otros MONEY NULL,
    Bonificacion MONEY NULL,
    Dev_CP_Suc NVARCHAR(4) NULL,
    Dev_CP_Nro NVARCHAR(8) NULL,
    Dev_CP_Let NVARCHAR(1) NULL
)
GO

-- The article lines of a delivery note (IdRemito is MV_RUTEOCAB.ID). The
-- upgrade refuses to go on while UD is two characters wide.
CREATE TABLE MV_RUTEO (
    ID INT IDENTITY(1,1) NOT NULL,
    IdRemito INT NOT NULL,
    IdArticulo NVARCHAR(25) NOT NULL,
    UD NVARCHAR(4) NULL,
    Cantidad FLOAT NULL DEFAULT 0,
    Devolucion FLOAT NULL DEFAULT 0
)
GO

-- The tables that the upgrade adds columns to besides those above. Each
-- holds its key and the columns of the undated older upgrades; the columns
-- of later dates come from their dated steps.
CREATE TABLE TA_ORIGEN_DEST (
    Codigo NVARCHAR(4) NOT NULL,
    Descripcion NVARCHAR(50) NULL,
    CONSTRAINT PK_TA_ORIGEN_DEST PRIMARY KEY (Codigo)
)
GO

-- The follow-up events of a delivery note (IdRemito is MV_RUTEOCAB.ID).
CREATE TABLE MV_SEGUIMIENTO (
    ID INT IDENTITY(1,1) NOT NULL,
    IdRemito INT NULL,
    Fecha DATETIME NULL,
    Estado NVARCHAR(4) NULL
)
GO

-- The tasks of a delivery (a table despite its V_ prefix: the upgrade adds
-- MULTIPLICAPOR to it).
CREATE TABLE V_TA_TAREAS (
    Codigo NVARCHAR(4) NOT NULL,
    Descripcion NVARCHAR(50) NULL,
    CONSTRAINT PK_V_TA_TAREAS PRIMARY KEY (Codigo)
)
GO

CREATE TABLE TA_PROVINCIAS (
    Codigo NVARCHAR(4) NOT NULL,
    Descripcion NVARCHAR(50) NULL,
    CONSTRAINT PK_TA_PROVINCIAS PRIMARY KEY (Codigo)
)
GO

CREATE TABLE TA_DEPOSITO (
    IdDeposito NVARCHAR(4) NOT NULL,
    Descripcion NVARCHAR(50) NULL,
    CONSTRAINT PK_TA_DEPOSITO PRIMARY KEY (IdDeposito)
)
GO

-- The storage positions of a warehouse.
CREATE TABLE MA_POSIC (
    IdDeposito NVARCHAR(4) NOT NULL,
    IdPosicion NVARCHAR(25) NOT NULL,
    Descripcion NVARCHAR(50) NULL,
    CONSTRAINT PK_MA_POSIC PRIMARY KEY (IdDeposito, IdPosicion)
)
GO

-- Stock movements; Cantidad admits no Null (the upgrade of 06/09/2006
-- relies on it).
CREATE TABLE MV_STOCK (
    ID INT IDENTITY(1,1) NOT NULL,
    FECHA DATETIME NULL,
    Cliente NVARCHAR(16) NULL,
    IDArticulo NVARCHAR(25) NULL,
    IdDeposito NVARCHAR(4) NULL,
    Cantidad FLOAT NOT NULL DEFAULT 0
)
GO

-- The normal freight tariff per zone, from a quantity on.
CREATE TABLE TA_TARIFA_NORMAL (
    ID INT IDENTITY(1,1) NOT NULL,
    TipoTarifa NVARCHAR(4) NULL,
    Fecha DATETIME NULL,
    Importe MONEY NULL,
    CantidadDesde FLOAT NULL DEFAULT 0,
    ZONA NVARCHAR(7) NULL,
    Adic_SeguroMinimo MONEY NULL
)
GO

CREATE TABLE TA_ESTADOS (
    Codigo NVARCHAR(4) NOT NULL,
    Descripcion NVARCHAR(50) NULL,
    CONSTRAINT PK_TA_ESTADOS PRIMARY KEY (Codigo)
)
GO

CREATE TABLE TA_TIPOVIAJE (
    Codigo NVARCHAR(4) NOT NULL,
    Descripcion NVARCHAR(50) NULL,
    CONSTRAINT PK_TA_TIPOVIAJE PRIMARY KEY (Codigo)
)
GO

-- The arrival of a trip at a warehouse.
CREATE TABLE MV_CONTROL_INGRESOS (
    ID INT IDENTITY(1,1) NOT NULL,
    Nro_Viaje NVARCHAR(20) NULL,
    INICIO SMALLDATETIME NULL
)
GO

-- Work rows of the routing, one per article line being prepared.
CREATE TABLE TMP_RUTEO (
    ID INT IDENTITY(1,1) NOT NULL,
    IdRemito INT NULL,
    IdArticulo NVARCHAR(25) NULL,
    Cantidad FLOAT NULL DEFAULT 0
)
GO

-- Stock applications: a header and its lines.
CREATE TABLE MV_APLIC_STK (
    ID INT IDENTITY(1,1) NOT NULL,
    Fecha DATETIME NULL,
    IdComprobante NVARCHAR(20) NULL
)
GO

CREATE TABLE MV_APLIC_STKDET (
    ID INT IDENTITY(1,1) NOT NULL,
    IdAplicacion INT NULL,
    IdArticulo NVARCHAR(25) NULL,
    Cantidad FLOAT NULL DEFAULT 0
)
GO

CREATE TABLE TA_UNIDAD (
    Codigo NVARCHAR(4) NOT NULL,
    Descripcion NVARCHAR(50) NULL,
    CONSTRAINT PK_TA_UNIDAD PRIMARY KEY (Codigo)
)
GO

CREATE TABLE MA_VEHICULOS (
    Codigo NVARCHAR(10) NOT NULL,
    Descripcion NVARCHAR(50) NULL,
    TIPO_VEHICULO NVARCHAR(4) NULL,
    CONSTRAINT PK_MA_VEHICULOS PRIMARY KEY (Codigo)
)
GO

-- Work rows of the stock valuation per trip.
CREATE TABLE AUX_MV_STOCK (
    ID INT IDENTITY(1,1) NOT NULL,
    IDArticulo NVARCHAR(25) NULL,
    Cantidad FLOAT NULL DEFAULT 0,
    ImpFletIda MONEY NULL DEFAULT 0,
    ImpFacIda MONEY NULL DEFAULT 0,
    ImpFletVuelta MONEY NULL DEFAULT 0,
    ImpFacVuelta MONEY NULL DEFAULT 0,
    ImpTotalFac MONEY NULL DEFAULT 0,
    ImpTotalFlet MONEY NULL DEFAULT 0,
    EsVacio BIT NULL DEFAULT 0,
    IdCategoria NVARCHAR(4) NULL
)
GO

-- Code equivalences with other systems.
CREATE TABLE TA_EQUIV (
    Tabla NVARCHAR(50) NOT NULL,
    Codigo NVARCHAR(25) NOT NULL,
    Equivalente NVARCHAR(25) NULL,
    Especial BIT NULL DEFAULT 0,
    CONSTRAINT PK_TA_EQUIV PRIMARY KEY (Tabla, Codigo)
)
GO

-- Consignment notes and their tariffs.
CREATE TABLE MV_CPORTE (
    ID INT IDENTITY(1,1) NOT NULL,
    Nro_CPorte NVARCHAR(20) NULL,
    Fecha DATETIME NULL,
    TC_FACTURA NVARCHAR(4) NULL,
    Devolucion BIT NULL,
    Destinatario_Codigo NVARCHAR(16) NULL,
    Destinatario_Sucursal NVARCHAR(6) NULL
)
GO

CREATE TABLE MV_CPORTE_Tarifas (
    ID INT IDENTITY(1,1) NOT NULL,
    IdCPorte INT NULL,
    Importe MONEY NULL,
    ZONA NVARCHAR(7) NULL
)
GO

-- The settings row that the schema upgrade and the column lookups read.
-- The date is written day/month/year, as the upgrade itself writes it.
SET DATEFORMAT dmy
INSERT INTO TA_CONFIGURACION (FHUPDATE) SELECT '02/07/2004' WHERE NOT EXISTS (SELECT * FROM TA_CONFIGURACION)
GO
CREATE VIEW Ql_DevolPendiente AS
SELECT C.Nro_Viaje AS Nro_Viaje, C.IdComprobante AS IDCOMPROBANTE, C.ID AS IdRemito,
    C.CODIGO_CLIENTE AS CODIGO_CLIENTE, C.SUCURSAL_CLIENTE AS SUCURSAL_CLIENTE,
    R.IdArticulo AS IdArticulo, R.UD AS UD, R.Cantidad AS Cantidad, R.Devolucion AS Devolucion
FROM MV_RUTEOCAB C INNER JOIN MV_RUTEO R ON R.IdRemito = C.ID
WHERE R.Devolucion > 0 AND (C.Dev_CP_Nro IS NULL OR C.Dev_CP_Nro = '')
GO
CREATE VIEW Ql_DevolVaciosPendientes AS
SELECT C.Nro_Viaje AS IdComprobante_Origen, C.IdComprobante AS IDCOMPROBANTE, C.ID AS IdRemito,
    C.CODIGO_CLIENTE AS CODIGO_CLIENTE, C.SUCURSAL_CLIENTE AS SUCURSAL_CLIENTE,
    R.IdArticulo AS IdArticulo, R.UD AS UD, R.Cantidad AS Cantidad, R.Devolucion AS Devolucion,
    R.Cantidad - R.Devolucion AS Pendiente
FROM MV_RUTEOCAB C INNER JOIN MV_RUTEO R ON R.IdRemito = C.ID
    INNER JOIN MA_ARTICULOS A ON A.IdArticulo = R.IdArticulo
WHERE A.ARETORNAR > 0 AND R.Cantidad > R.Devolucion
GO
CREATE VIEW Ql_ConsValorizado03 AS
SELECT C.Nro_Viaje AS Nro_Comprobante, C.Fecha AS Fecha_Comprobante, C.Proveedor AS Proveedor,
    C.TIPO_VEHICULO AS TIPO_VEHICULO, A.IdCategoria AS IdCategoria, R.IdArticulo AS IdArticulo,
    R.Cantidad - R.Devolucion AS Saldo, R.Cantidad AS Cantidad, R.Devolucion AS Devolucion,
    A.ARETORNAR AS ARETORNAR
FROM MV_RUTEOCAB C INNER JOIN MV_RUTEO R ON R.IdRemito = C.ID
    INNER JOIN MA_ARTICULOS A ON A.IdArticulo = R.IdArticulo
