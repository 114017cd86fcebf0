-- Orders report
/* Builds the monthly
   order totals */
/*!40101 SET NAMES cp1251 */;
SET SERVEROUTPUT ON
PROMPT Building the report
REM this whole line is a remark

CREATE TABLE orders (
  id        NUMBER(10) PRIMARY KEY,
  customer  VARCHAR2(100) NOT NULL,
  "Order Date" DATE DEFAULT SYSDATE,
  total     DECIMAL(12, 2)
);

SELECT o.id, UPPER(c.name) AS name, COUNT(*) AS cnt, SUM(o.total) total
  FROM orders o, customers c
  JOIN regions r ON r.id = c.region_id
 WHERE o.customer = c.id AND o.total > 1.5e2 AND c.name LIKE 'O''Brien%'
   AND o.id = :order_id AND c.code = '&region'
 GROUP BY o.id, c.name
 ORDER BY cnt DESC;

UPDATE orders
SET total = total * 1.1
WHERE id IN (SELECT id FROM `archive`);

DECLARE
  v_total orders.total%TYPE;
BEGIN
  SELECT total INTO v_total FROM orders WHERE id = 1;
  DBMS_OUTPUT.PUT_LINE('Total: ' || v_total);
EXCEPTION
  WHEN NO_DATA_FOUND THEN
    RAISE_APPLICATION_ERROR(-20001, 'missing
order');
END;
/
