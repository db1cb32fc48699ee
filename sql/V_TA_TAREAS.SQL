-- V_TA_TAREAS.SQL: the table of the tasks of a delivery, V_TA_TAREAS (a
-- table despite its V_ prefix: the upgrade adds the column MULTIPLICAPOR to it
-- later). COMPLETO.SQL makes it too; a second run finds it and leaves it.
CREATE TABLE V_TA_TAREAS (
    Codigo NVARCHAR(4) NOT NULL,
    Descripcion NVARCHAR(50) NULL,
    CONSTRAINT PK_V_TA_TAREAS PRIMARY KEY (Codigo)
)
GO
