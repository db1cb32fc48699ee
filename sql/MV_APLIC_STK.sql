-- MV_APLIC_STK.sql: the stock applications, a header MV_APLIC_STK and its
-- lines MV_APLIC_STKDET, which later upgrades add columns to. COMPLETO.SQL
-- makes them too; a second run finds them and leaves them.
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
