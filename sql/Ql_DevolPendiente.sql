-- Ql_DevolPendiente.sql: the view of the returns of goods still pending per
-- trip, Ql_DevolPendiente, which TraerDevoluciones reads by Nro_Viaje in the
-- order of IDCOMPROBANTE: every article line of a delivery note with goods
-- coming back while no return document (Dev_CP_Nro) has been made for it.
-- The view is made anew, so a second run leaves the same view.
IF EXISTS (SELECT * FROM sysobjects WHERE name = 'Ql_DevolPendiente' AND xtype = 'V')
    DROP VIEW Ql_DevolPendiente
GO
CREATE VIEW Ql_DevolPendiente AS
SELECT C.Nro_Viaje AS Nro_Viaje, C.IdComprobante AS IDCOMPROBANTE, C.ID AS IdRemito,
    C.CODIGO_CLIENTE AS CODIGO_CLIENTE, C.SUCURSAL_CLIENTE AS SUCURSAL_CLIENTE,
    R.IdArticulo AS IdArticulo, R.UD AS UD, R.Cantidad AS Cantidad, R.Devolucion AS Devolucion
FROM MV_RUTEOCAB C INNER JOIN MV_RUTEO R ON R.IdRemito = C.ID
WHERE R.Devolucion > 0 AND (C.Dev_CP_Nro IS NULL OR C.Dev_CP_Nro = '')
GO
