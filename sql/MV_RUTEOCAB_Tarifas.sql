-- MV_RUTEOCAB_Tarifas.sql: the tariffs applied to each delivery note
-- (IdRemito is MV_RUTEOCAB.ID). The upgrade runs it only while the table is
-- missing.
CREATE TABLE MV_RUTEOCAB_Tarifas (
    ID INT IDENTITY(1,1) NOT NULL,
    IdRemito INT NOT NULL,
    TipoTarifa NVARCHAR(4) NULL,
    Importe MONEY NULL
)
GO
