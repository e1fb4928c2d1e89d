/* Owners with their active meters, through the water rights that tie them together. */
SELECT o.OwnerName, w.RightNumber, m.SerialNumber, m.Make, m.SizeInches, m.InstallDate
FROM Owners o
JOIN WaterRights w ON w.OwnerID = o.OwnerID
JOIN Meters m ON m.RightID = w.RightID
WHERE m.Active = 1
ORDER BY o.OwnerName, m.SerialNumber;
