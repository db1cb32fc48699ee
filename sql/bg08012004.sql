-- bg08012004.sql: the tariffs applied to each trip, MV_VIAJES_TARIFAS. The
-- upgrade runs it only while the table is missing.
CREATE TABLE MV_VIAJES_TARIFAS (
    ID INT IDENTITY(1,1) NOT NULL,
    Nro_Viaje NVARCHAR(20) NOT NULL,
    TipoTarifa NVARCHAR(4) NULL,
    Importe MONEY NULL
)
GO
