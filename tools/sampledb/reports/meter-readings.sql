/* Readings per meter: how many, the volume they measured and the last reading day. Run with
   totals: the reading count and the volume are totalled under the report. */
SELECT m.SerialNumber,
       CAST(COUNT(*) AS INTEGER) AS Readings,
       CAST(SUM(r.Volume) AS REAL) AS Volume,
       MAX(r.ReadingDate) AS LastReading
FROM Meters m
JOIN MeterReadings r ON r.MeterID = m.MeterID
GROUP BY m.SerialNumber
ORDER BY m.SerialNumber;
