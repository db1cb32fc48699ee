-- completodwe.sql: the schema of the statistics database DW_ESTADISTICAS.
-- Creates its configuration table of key/value rows; the programs keep here
-- settings shared by the whole installation, such as the command time-out
-- (key TIMEOUT, group BaseDeDatos), and add the row themselves on first use.
-- Keys are stored in capitals and are unique, so a lookup finds one row.
CREATE TABLE TA_CONFIGURACION (
    Clave NVARCHAR(50) NOT NULL,
    Valor NVARCHAR(150) NULL,
    ValorAux NVARCHAR(150) NULL,
    Grupo NVARCHAR(50) NULL,
    PoliticaNegocio BIT NULL DEFAULT 0,
    CONSTRAINT PK_TA_CONFIGURACION PRIMARY KEY (Clave)
)
