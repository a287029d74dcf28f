-- ERP tables that qrxEDI reads and writes, for the embedded SQLite database of the demo
-- and the tests. Names are the ERP's own. Dates and date-times are TEXT
-- 'YYYY-MM-DD HH:MM:SS'; amounts REAL; codes TEXT.

-- The company itself: name in the main window caption, shipper data of the Torrestir file.
CREATE TABLE EMPRESA (
    CODIGO      INTEGER NOT NULL PRIMARY KEY,
    NOME        TEXT NOT NULL,
    MORADA      TEXT,
    CODPOSTA    TEXT,
    LOCALIDA    TEXT,
    NCONTRIB    TEXT
);

-- Document types and the classification that decides invoice, credit note or despatch.
CREATE TABLE TpDoc (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    DESCR       TEXT NOT NULL,
    AREAG       INTEGER NOT NULL,
    TPOPER      INTEGER NOT NULL,
    ENTIDADE    INTEGER NOT NULL,
    NATCONTA    INTEGER NOT NULL,
    SINALCT     INTEGER NOT NULL
);

-- Countries: the intra-community code written for sold-to and ship-to parties.
CREATE TABLE PAISES (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    DESCR       TEXT NOT NULL,
    CODINTRA    TEXT
);

-- Postal codes and their descriptions (the town written beside an address).
CREATE TABLE CODPOST (
    COD         TEXT NOT NULL PRIMARY KEY,
    DESCR       TEXT NOT NULL
);

-- VAT regimes: the rates of the four VAT brackets.
CREATE TABLE RGIVA (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    DESCR       TEXT,
    TX1         REAL NOT NULL,
    TX2         REAL NOT NULL,
    TX3         REAL NOT NULL,
    TX4         REAL NOT NULL
);

-- Payment terms: the credit text of the invoice EDI header.
CREATE TABLE REGRVCT (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    DESCR       TEXT,
    DESCCRD     TEXT NOT NULL
);

-- Shipping methods: the carrier exporters select documents by code or description.
CREATE TABLE EXPEDIR (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    DESCR       TEXT NOT NULL
);

-- Warehouses: addressee of warehouse transfers.
CREATE TABLE ARMAZENS (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    NOME        TEXT NOT NULL,
    MORADA      TEXT,
    CODPOST     TEXT,
    LOCALIDA    TEXT,
    TELEFONE    TEXT
);

-- Customers: name, EDI code, country, telephones, tax number, remarks for the carriers.
CREATE TABLE CLIENTES (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    NOME        TEXT NOT NULL,
    MORADA      TEXT,
    LOCALIDA    TEXT,
    CODPOST     TEXT,
    PAIS        TEXT,
    NCONTRIB    TEXT,
    TELEF       TEXT,
    FAX         TEXT,
    TELEX       TEXT,
    EMAIL       TEXT,
    CODEDI      TEXT,
    OBS2        TEXT
);

-- Customer extra fields: EAN location code, partner numbers, service type.
CREATE TABLE CLCLIE (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    CL01        TEXT,
    CL02        TEXT,
    CL03        TEXT,
    CL04        TEXT,
    CL05        TEXT
);

-- Delivery addresses of customers (TPTERC 2), chosen on a document by ONDEENTR.
CREATE TABLE MORADAS (
    TPTERC      INTEGER NOT NULL,
    TERCEIRO    TEXT NOT NULL,
    CDMORADA    TEXT NOT NULL,
    DESCR       TEXT,
    MORADA      TEXT,
    "LOCAL"     TEXT,
    CDPOSTAL    TEXT,
    "PAÍS"      TEXT,
    TELEF       TEXT,
    FAX         TEXT,
    TELEX       TEXT,
    PRIMARY KEY (TPTERC, TERCEIRO, CDMORADA)
);

-- Articles: names, weights and volumes for the logistics and carrier files.
CREATE TABLE ARTIGOS (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    NOME        TEXT NOT NULL,
    UNIDADE     TEXT,
    PESO        REAL NOT NULL DEFAULT 0,
    VOLUME      REAL NOT NULL DEFAULT 0
);

-- Article extra fields: brand, reference, millilitres per unit, product hierarchy, factors
-- (CL07 and CL08 are texts with a decimal comma).
CREATE TABLE CLART (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    CL01        TEXT,
    CL02        TEXT,
    CL03        TEXT,
    CL04        TEXT,
    CL05        TEXT,
    CL06        TEXT,
    CL07        TEXT,
    CL08        TEXT
);

-- Dispatching warehouse of each article: decides the warehouse file of a shipment.
CREATE TABLE U_QRX_ARTIGOS (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    ARMAZEM     TEXT
);

-- Bar codes of articles; TIPO 3 is the EAN-13 of the logistics files.
CREATE TABLE CBARRAS (
    CODIGO      TEXT NOT NULL PRIMARY KEY,
    ARTIGO      TEXT NOT NULL,
    TIPO        INTEGER NOT NULL
);
CREATE INDEX IX_CBARRAS_ARTIGO ON CBARRAS (ARTIGO, TIPO);

-- Document headers: key, customer, dates, totals and VAT brackets, shipping method,
-- delivery address, weights and volumes; PROCESSO receives the logistics process number.
CREATE TABLE DOCGCCAB (
    TPDOC       TEXT NOT NULL,
    NNUMDOC     INTEGER NOT NULL,
    SERIE       INTEGER NOT NULL,
    ANO         INTEGER NOT NULL,
    DATA        TEXT NOT NULL,
    hora        TEXT,
    VNUMDOC     TEXT,
    TERCEIRO    TEXT NOT NULL,
    TPTERC      INTEGER NOT NULL,
    NCONTRIB    TEXT,
    AREAG       INTEGER NOT NULL,
    TPOPER      INTEGER NOT NULL,
    NATCONTA    INTEGER NOT NULL,
    SINALCT     INTEGER NOT NULL,
    NVIAS       INTEGER NOT NULL,
    RGIVA       TEXT,
    PRAZOPGT    TEXT,
    MODOPGT     TEXT,
    DTVENC      TEXT,
    DTCARGA     TEXT,
    MOEDA       TEXT NOT NULL,
    TOTMERC     REAL NOT NULL DEFAULT 0,
    DESCLIN     REAL NOT NULL DEFAULT 0,
    DESCCAB     REAL NOT NULL DEFAULT 0,
    DESCABVL    REAL NOT NULL DEFAULT 0,
    TOTADIAM    REAL NOT NULL DEFAULT 0,
    BASE1       REAL NOT NULL DEFAULT 0,
    BASE2       REAL NOT NULL DEFAULT 0,
    BASE3       REAL NOT NULL DEFAULT 0,
    BASE4       REAL NOT NULL DEFAULT 0,
    TOTIVA1     REAL NOT NULL DEFAULT 0,
    TOTIVA2     REAL NOT NULL DEFAULT 0,
    TOTIVA3     REAL NOT NULL DEFAULT 0,
    TOTIVA4     REAL NOT NULL DEFAULT 0,
    BASE1ORI    REAL NOT NULL DEFAULT 0,
    BASE2ORI    REAL NOT NULL DEFAULT 0,
    BASE3ORI    REAL NOT NULL DEFAULT 0,
    BASE4ORI    REAL NOT NULL DEFAULT 0,
    TOTDOC      REAL NOT NULL DEFAULT 0,
    TOTDOCMB    REAL NOT NULL DEFAULT 0,
    MBORI       REAL NOT NULL DEFAULT 0,
    DOCORI      REAL NOT NULL DEFAULT 0,
    OBSERV      TEXT,
    EXPEDIR     TEXT,
    ONDEENTR    TEXT,
    MORADADSG   TEXT,
    LOCALDSG    TEXT,
    CDPOSTDSG   TEXT,
    PAISDSG     TEXT,
    PESOTOT     REAL,
    PESOLIQ     REAL,
    VOLTOT      INTEGER,
    ATDOCCODEID TEXT,
    PROCESSO    TEXT,
    PRIMARY KEY (TPDOC, NNUMDOC, SERIE, ANO)
);
CREATE INDEX IX_DOCGCCAB_DATA ON DOCGCCAB (DATA, TPDOC, SERIE);
CREATE INDEX IX_DOCGCCAB_TERCEIRO ON DOCGCCAB (TERCEIRO);

-- Document lines: line type (1 article, 2 text, 3 return), article, quantities, price,
-- discount, value, VAT rate, origin document.
CREATE TABLE DOCGCLIN (
    TPDOCUM     TEXT NOT NULL,
    NNUMDOC     INTEGER NOT NULL,
    SERIE       INTEGER NOT NULL,
    ANO         INTEGER NOT NULL,
    NUMLINHA    INTEGER NOT NULL,
    TPLINHA     INTEGER NOT NULL,
    ARTIGO      TEXT NOT NULL DEFAULT '',
    DESCR       TEXT,
    UNIDADE     TEXT,
    QUANT       REAL NOT NULL DEFAULT 0,
    QTDORIG     REAL NOT NULL DEFAULT 0,
    PRUNIT      REAL NOT NULL DEFAULT 0,
    TXDESC      REAL NOT NULL DEFAULT 0,
    DESCval     REAL NOT NULL DEFAULT 0,
    VALOR       REAL NOT NULL DEFAULT 0,
    VALORO      REAL NOT NULL DEFAULT 0,
    IVA         REAL NOT NULL DEFAULT 0,
    ORDOC       TEXT NOT NULL DEFAULT '',
    ORNUM       INTEGER NOT NULL DEFAULT 0,
    MOVSTC      INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (TPDOCUM, NNUMDOC, SERIE, ANO, NUMLINHA)
);
CREATE INDEX IX_DOCGCLIN_ARTIGO ON DOCGCLIN (ARTIGO);

-- Document extra fields: CL20 carries the carriers' sent mark, another column the
-- logistics operators' mark; CL02-CL07 cash on delivery, payer, volumes and pallets.
-- Numeric affinity keeps numbers comparable while dates stay text.
CREATE TABLE CLDOCGC (
    ANO         INTEGER NOT NULL,
    TIPODOC     TEXT NOT NULL,
    SERIE       INTEGER NOT NULL,
    NDOC        INTEGER NOT NULL,
    CL01        NUMERIC,
    CL02        NUMERIC,
    CL03        NUMERIC,
    CL04        NUMERIC,
    CL05        NUMERIC,
    CL06        NUMERIC,
    CL07        NUMERIC,
    CL08        NUMERIC,
    CL09        NUMERIC,
    CL10        NUMERIC,
    CL11        NUMERIC,
    CL12        NUMERIC,
    CL13        NUMERIC,
    CL14        NUMERIC,
    CL15        NUMERIC,
    CL16        NUMERIC,
    CL17        NUMERIC,
    CL18        NUMERIC,
    CL19        NUMERIC,
    CL20        NUMERIC,
    PRIMARY KEY (ANO, TIPODOC, SERIE, NDOC)
);

-- Name and address of the third party as printed on each sales document.
CREATE TABLE TERCVDI (
    ANO         INTEGER NOT NULL,
    TPDOC       TEXT NOT NULL,
    NUMDOC      INTEGER NOT NULL,
    SERIE       INTEGER NOT NULL,
    NOME        TEXT NOT NULL,
    MORADA      TEXT,
    CODPOST     TEXT,
    LOCALIDA    TEXT,
    PRIMARY KEY (ANO, TPDOC, NUMDOC, SERIE)
);

-- Measure values of document lines (lot, units per pack, expiry) for the invoice EDI file.
CREATE TABLE VLMEDIDA (
    TPDOC       TEXT NOT NULL,
    NUMDOC      INTEGER NOT NULL,
    SERIE       INTEGER NOT NULL,
    ANO         INTEGER NOT NULL,
    LINHA       INTEGER NOT NULL,
    VAR1        TEXT,
    VAR2        TEXT,
    VAR3        TEXT,
    VAR4        TEXT,
    PRIMARY KEY (TPDOC, NUMDOC, SERIE, ANO, LINHA)
);

-- Serial numbers moved by document lines: one logistics record per serial number.
CREATE TABLE NSERMOVS (
    TIPDOC      TEXT NOT NULL,
    NUMDOC      INTEGER NOT NULL,
    SERIE       INTEGER NOT NULL,
    ANO         INTEGER NOT NULL,
    LINHA       INTEGER NOT NULL,
    NUMSER      TEXT NOT NULL,
    PRIMARY KEY (TIPDOC, NUMDOC, SERIE, ANO, LINHA, NUMSER)
);

-- Register of the logistics process numbers, numbered per document type.
CREATE TABLE qrx_TorresTirCodigo (
    TPDOC        TEXT NOT NULL,
    NNUMDOC      INTEGER NOT NULL,
    SERIE        INTEGER NOT NULL,
    ANO          INTEGER NOT NULL,
    TorresTirNUM INTEGER,
    CONSTRAINT PK_qrx_TorresTirCodigo PRIMARY KEY (TPDOC, NNUMDOC, SERIE, ANO)
);
