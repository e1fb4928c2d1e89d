/* Inventory levels by water year: the checks made, the lowest and the average level. */
SELECT y.WaterYear, i.InventoryName, i.Unit,
       CAST(COUNT(*) AS INTEGER) AS Checks,
       CAST(MIN(l.Level) AS REAL) AS Lowest,
       CAST(AVG(l.Level) AS REAL) AS Average
FROM InventoryLevels l
JOIN Inventories i ON i.InventoryID = l.InventoryID
JOIN WaterYears y ON l.LevelDate BETWEEN y.StartDate AND y.EndDate
GROUP BY y.WaterYear, i.InventoryName, i.Unit
ORDER BY y.WaterYear, i.InventoryName;
