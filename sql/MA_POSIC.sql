-- MA_POSIC.sql: the storage positions of a warehouse, MA_POSIC, which the
-- same upgrade step then gives the column CLIENTE. COMPLETO.SQL makes it too;
-- a second run finds it and leaves it.
CREATE TABLE MA_POSIC (
    IdDeposito NVARCHAR(4) NOT NULL,
    IdPosicion NVARCHAR(25) NOT NULL,
    Descripcion NVARCHAR(50) NULL,
    CONSTRAINT PK_MA_POSIC PRIMARY KEY (IdDeposito, IdPosicion)
)
GO
