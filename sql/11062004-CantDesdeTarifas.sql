-- 11062004-CantDesdeTarifas.sql: the quantity from which a normal tariff
-- applies, TA_TARIFA_NORMAL.CantidadDesde. The upgrade runs it only while the
-- column is missing, and then sets it to 0 on every row.
ALTER TABLE TA_TARIFA_NORMAL ADD CantidadDesde FLOAT NULL
GO
